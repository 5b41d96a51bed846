// A board's visit through a real match session (the entry faked: it shows what it is given and
// enters it as the window's box would), and the soft-tip board's source over a fake link.

#include "boards/BoardVisit.h"

#include "boards/SoftSource.h"
#include "session/MatchSession.h"

#include <QSignalSpy>
#include <QTest>

namespace {

struct TFakeEntry final : TBoardEntry
{
    TMatchSession& Session;
    bool Held = false;
    int Computer = -1;
    std::vector<std::vector<TDart>> Shown;
    std::vector<TDart> Box;
    int Submits = 0;

    explicit TFakeEntry(TMatchSession& session) : Session(session) {}
    bool InputHeld() const override { return Held; }
    bool ComputerThrows(int side) const override { return side == Computer; }
    void ShowDarts(int, const std::vector<TDart>&, const std::vector<TDart>& now) override
    {
        Shown.push_back(now);
        Box = now;
    }
    void SubmitDarts(int side) override
    {
        ++Submits;
        QVERIFY(Session.Apply({TOperationKind::Turn, side, 0, 0, 0, -1, Box}));
        Box.clear();
    }
};

TGameParams TwoSides(int32_t start)
{
    TGameParams params;
    params.PlayerCount = 2;
    params.StartScore = start;
    params.CheckOutRule = true;
    params.PlayerNames = {"Anna", "Ben"};
    return params;
}

// Scripted link: what Open was called with, and the board's messages on demand.
class TFakeLink final : public TSoftTransport
{
public:
    void Open(const QString& address) override { OpenedWith.push_back(address); }
    void Close() override {}
    std::vector<QString> OpenedWith;
};

} // namespace

class TestBoardVisit final : public QObject
{
    Q_OBJECT

private slots:
    void AVisitIsShownDartByDartAndEnteredWhenItEnds();
    void AFinishOrBustBeforeTheThirdDartIsEnteredAtOnce();
    void DartsThatMayNotBeTakenAreSaidAndNeverRecorded();
    void ACricketVisitIsEnteredAtTakeout();
    void TheSoftTipSourceEndsVisitsAndKeepsOneAcrossALostLink();
};

void TestBoardVisit::AVisitIsShownDartByDartAndEnteredWhenItEnds()
{
    TMatchSession session;
    session.Start(QStringLiteral("Standard 501"), TwoSides(501));
    TFakeEntry entry(session);
    TBoardVisit visit(session, entry);
    visit.Read({{20, 3}});
    visit.Read({{20, 3}, {19, 3}});
    // The camera's correction replaces the dart read before.
    visit.Read({{20, 3}, {20, 3}});
    visit.Read({{20, 3}, {20, 3}, {20, 3}});
    visit.Read({{20, 3}, {20, 3}, {20, 3}, {1, 1}}); // a fourth is not the visit's
    QCOMPARE(entry.Shown.size(), size_t{4});
    QCOMPARE(entry.Shown[1], (std::vector<TDart>{{20, 3}, {19, 3}}));
    QCOMPARE(entry.Submits, 0);
    visit.End();
    QCOMPARE(entry.Submits, 1);
    QCOMPARE(session.Game().CurrentLeg()->GetSheet(0)->LastEntry()->Remainder, 321);
    // A visit cleared by hand goes from the box and is not entered.
    visit.Read({{20, 1}});
    visit.Clear();
    QCOMPARE(entry.Shown.back(), std::vector<TDart>{});
    visit.End();
    QCOMPARE(entry.Submits, 1);
    // The operator enters the turn before the takeout: the board's later darts are not another.
    visit.Read({{5, 1}});
    QVERIFY(session.Apply({TOperationKind::Turn, 1, 0, 26, 0}));
    QSignalSpy said(&visit, &TBoardVisit::Said);
    visit.Read({{5, 1}, {1, 1}});
    visit.End();
    QCOMPARE(entry.Submits, 1);
    QCOMPARE(said.size(), 1);
    QCOMPARE(session.Match().SideToThrow(), 0);
}

void TestBoardVisit::AFinishOrBustBeforeTheThirdDartIsEnteredAtOnce()
{
    struct TCase
    {
        int32_t Start;
        std::vector<TDart> Darts;
        int Submits; // before the takeout
    };
    for (const TCase& test : std::vector<TCase>{
             {40, {{20, 2}}, 1},                   // checked out with the first
             {40, {{20, 3}}, 1},                   // bust
             {40, {{19, 1}}, 0},                   // leaves 21
             {41, {{20, 2}}, 1},                   // leaves 1: bust
             {100, {{20, 3}, {20, 2}}, 1},         // checked out with the second
             {101, {{20, 3}, {20, 1}, {1, 1}}, 0}, // leaves 20 after three: at takeout
             {101, {{20, 3}, {1, 1}, {20, 2}}, 1}, // checked out with the third
         }) {
        TMatchSession session;
        session.Start(QStringLiteral("Standard 501"), TwoSides(test.Start));
        TFakeEntry entry(session);
        TBoardVisit visit(session, entry);
        std::vector<TDart> darts;
        for (const TDart& dart : test.Darts) {
            darts.push_back(dart);
            visit.Read(darts);
        }
        QCOMPARE(entry.Submits, test.Submits);
        visit.End();
        QCOMPARE(entry.Submits, 1);
        QCOMPARE(session.Match().LegCount(), 1);
    }
}

void TestBoardVisit::DartsThatMayNotBeTakenAreSaidAndNeverRecorded()
{
    TMatchSession session;
    TFakeEntry entry(session);
    TBoardVisit visit(session, entry);
    QSignalSpy said(&visit, &TBoardVisit::Said);
    const auto attempt = [&] {
        visit.Read({{20, 1}});
        visit.Read({{20, 1}, {20, 1}});
        visit.End();
    };
    attempt(); // no match yet
    session.Start(QStringLiteral("Standard 501"), TwoSides(40));
    entry.Computer = 0;
    attempt();
    entry.Computer = -1;
    entry.Held = true;
    attempt();
    entry.Held = false;
    QVERIFY(session.Apply({TOperationKind::Turn, 0, 0, 40, 1}));
    attempt(); // the leg is over
    QCOMPARE(entry.Submits, 0);
    QCOMPARE(entry.Shown.size(), size_t{0});
    QCOMPARE(said.size(), 4);
    QVERIFY(said[1][0].toString().contains(QStringLiteral("Anna")));
}

void TestBoardVisit::ACricketVisitIsEnteredAtTakeout()
{
    TMatchSession session;
    TGameParams params = TwoSides(0);
    params.CountUp = true;
    params.CheckOutRule = false;
    session.Start(QStringLiteral("Cricket"), params);
    TFakeEntry entry(session);
    TBoardVisit visit(session, entry);
    for (const std::vector<TDart>& turn : std::vector<std::vector<TDart>>{
             {{20, 3}, {19, 3}, {18, 3}}, {}, {{17, 3}, {16, 3}, {15, 3}}, {}}) {
        if (turn.empty()) {
            visit.Read({{0, 1}});
            visit.Read({{0, 1}, {0, 1}});
            visit.Read({{0, 1}, {0, 1}, {0, 1}});
        } else {
            visit.Read(turn);
        }
        QCOMPARE(entry.Submits, 0);
        visit.End();
        entry.Submits = 0;
    }
    // The bull closed with the second dart wins the leg at once.
    visit.Read({{25, 2}});
    QCOMPARE(entry.Submits, 0);
    visit.Read({{25, 2}, {25, 1}});
    QCOMPARE(entry.Submits, 1);
    QVERIFY(session.Match().LegOver());
    QCOMPARE(session.Match().LegWinner(), 0);
}

void TestBoardVisit::TheSoftTipSourceEndsVisitsAndKeepsOneAcrossALostLink()
{
    auto owned = std::make_unique<TFakeLink>();
    TFakeLink& link = *owned;
    std::vector<std::vector<TDart>> visits;
    int ended = 0;
    QStringList statuses;
    TBoardCalls calls;
    calls.Visit = [&](const std::vector<TDart>& darts) { visits.push_back(darts); };
    calls.VisitEnded = [&] { ++ended; };
    calls.VisitCleared = [] {};
    calls.StatusChanged = [&](const QString& text) { statuses << text; };
    TSoftSource source(std::move(owned), calls);
    const QString address = QStringLiteral("00:11:22:33:44:55");
    source.Start(address);
    QCOMPARE(link.OpenedWith, std::vector<QString>{address});
    emit link.Opened();
    QCOMPARE(statuses.back(), QStringLiteral("Board: ready"));
    for (const char* message : {"3.4@", "BTN@", "4.0@", "junk", "OUT@"}) {
        emit link.Received(message);
    }
    QCOMPARE(ended, 1);
    QCOMPARE(visits.back(), (std::vector<TDart>{{25, 2}, {0, 1}}));
    // The board sleeps in the middle of the visit: tried again, the visit kept.
    emit link.Closed(QString());
    QVERIFY(statuses.back().contains(address));
    QTRY_COMPARE_WITH_TIMEOUT(link.OpenedWith.size(), size_t{2}, 5000);
    emit link.Opened();
    emit link.Received("8.0@");
    QCOMPARE(visits.back(), (std::vector<TDart>{{25, 2}, {0, 1}, {25, 1}}));
    // A fourth dart without the button: the visit before ends, the next begins.
    emit link.Received("2.6@");
    QCOMPARE(ended, 2);
    QCOMPARE(visits.back(), (std::vector<TDart>{{1, 2}}));
}

QTEST_GUILESS_MAIN(TestBoardVisit)
#include "BoardVisitTest.moc"
