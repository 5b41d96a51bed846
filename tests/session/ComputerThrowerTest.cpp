// The computer as a source of turns: it throws on its sides' turns through the session, shows
// its darts first, waits after an undo and while paused, and throws the same turns again for
// the same match.

#include "session/ComputerThrower.h"

#include "games/DartsGame.h"
#include "session/MatchSession.h"

#include <QSignalSpy>
#include <QTest>

namespace {

TGameParams Params(std::vector<int32_t> averages, int32_t legsToWin, uint64_t seed)
{
    TGameParams params;
    params.PlayerCount = static_cast<int32_t>(averages.size());
    params.StartScore = 501;
    params.CheckOutRule = true;
    params.LegsToWin = legsToWin;
    params.ComputerAverages = std::move(averages);
    params.ComputerSeed = seed;
    return params;
}

// The points of darts as the panel shows them ("T20 · 5 · D16").
int Points(const QString& darts)
{
    int points = 0;
    for (const QString& dart : darts.split(QStringLiteral(" · "), Qt::SkipEmptyParts)) {
        const int factor = dart.startsWith(u'T') ? 3 : dart.startsWith(u'D') ? 2 : 1;
        const QString number = factor > 1 ? dart.mid(1) : dart;
        points += dart == QStringLiteral("Bull")   ? 50
                  : dart == QStringLiteral("Miss") ? 0
                                                   : factor * number.toInt();
    }
    return points;
}

const CPlayerScores& Sheet(const TMatchSession& session, int player)
{
    return *session.Game().CurrentLeg()->GetSheet(player);
}

} // namespace

class TestComputerThrower : public QObject
{
    Q_OBJECT

private slots:
    void ComputersPlayWholeMatchesThroughTheSession();
    void ItShowsItsDartsThenRecordsTheirTurn();
    void AnUndoOrAPauseHoldsItBack();
};

// Every turn the computer throws is one the match takes, over whole matches at every level,
// from handicaps and for more sides: a refused one would stop the match.
void TestComputerThrower::ComputersPlayWholeMatchesThroughTheSession()
{
    const std::vector<std::pair<std::vector<int32_t>, std::vector<int32_t>>> matches = {
        {{20, 110}, {}},    {{60, 60}, {}},         {{100, 45}, {301, 701}},
        {{30, 80, 95}, {}}, {{110, 110}, {170, 2}}, {{25, 50, 75, 105}, {}},
    };
    uint64_t seed = 7;
    for (const auto& [averages, starts] : matches) {
        TMatchSession session;
        TComputerThrower computer(session);
        computer.SetPause(0);
        TGameParams params = Params(averages, 1, ++seed);
        params.StartScores = starts;
        session.Start(QStringLiteral("Standard 501"), params);
        QVERIFY(computer.HasComputer());
        QTRY_VERIFY_WITH_TIMEOUT(session.Game().MatchWinner() >= 0, 20000);
        QVERIFY(!computer.IsWaiting());
    }
    // And every other game, three computers to the leg's end.
    for (const TGameKind kind : kOtherGames) {
        TMatchSession session;
        TComputerThrower computer(session);
        computer.SetPause(0);
        TGameParams params = Params({45, 70, 95}, 1, ++seed);
        params.EnterDarts = true;
        session.Start(QString::fromLatin1(GameName(kind)), params);
        QTRY_VERIFY_WITH_TIMEOUT(session.Match().LegOver(), 20000);
        QVERIFY2(!computer.IsWaiting(), GameName(kind));
    }
}

void TestComputerThrower::ItShowsItsDartsThenRecordsTheirTurn()
{
    TMatchSession session;
    TComputerThrower computer(session);
    computer.SetPause(0);
    QSignalSpy shown(&computer, &TComputerThrower::DartsShown);
    session.Start(QStringLiteral("Standard 501"), Params({0, 60}, 3, 42));
    QVERIFY(!computer.IsPaused());
    QCOMPARE(computer.Throwing(), -1); // the person starts
    QVERIFY(session.Apply({TOperationKind::Turn, 0, 0, 45, 0}));
    QCOMPARE(computer.Throwing(), 1);
    QTRY_COMPARE(Sheet(session, 1).EntryCount(), 2);
    // One dart, two, three (fewer after a bust), then taken off as the turn is recorded.
    QVERIFY(shown.count() >= 2 && shown.count() <= 4);
    QCOMPARE(shown.back().at(1).toString(), QString());
    const QString darts = shown.at(shown.count() - 2).at(1).toString();
    for (qsizetype index = 0; index + 1 < shown.count(); ++index) {
        QCOMPARE(shown.at(index).at(0).toInt(), 1);
        QVERIFY(darts.startsWith(shown.at(index).at(1).toString()));
    }
    const int score = Sheet(session, 1).LastEntry()->Score;
    QVERIFY(score == Points(darts) || (score == 0 && Points(darts) > 0));
    QCOMPARE(computer.Throwing(), -1);
    QCOMPARE(TComputerThrower::DartsText({0, 0, {"T20", "S5", "D16"}, 0}, 3),
             QStringLiteral("T20 · 5 · D16"));
}

void TestComputerThrower::AnUndoOrAPauseHoldsItBack()
{
    TMatchSession session;
    TComputerThrower computer(session);
    computer.SetPause(0);
    QSignalSpy states(&computer, &TComputerThrower::StateChanged);
    session.Start(QStringLiteral("Standard 501"), Params({0, 60}, 3, 9));
    QVERIFY(session.Apply({TOperationKind::Turn, 0, 0, 60, 0}));
    QTRY_COMPARE(Sheet(session, 1).EntryCount(), 2);
    const int thrown = Sheet(session, 1).LastEntry()->Score;
    // The operator takes the computer's turn back: it does not throw it again by itself.
    QVERIFY(session.Apply({TOperationKind::Undo}));
    QVERIFY(computer.IsWaiting());
    QCOMPARE(computer.Throwing(), -1);
    QVERIFY(states.count() >= 2);
    // Taking back the person's turn too and entering it again lets it throw: the same darts
    // for the same match.
    QVERIFY(session.Apply({TOperationKind::Undo}));
    QVERIFY(session.Apply({TOperationKind::Turn, 0, 0, 60, 0}));
    QVERIFY(!computer.IsWaiting());
    QTRY_COMPARE(Sheet(session, 1).EntryCount(), 2);
    QCOMPARE(Sheet(session, 1).LastEntry()->Score, thrown);
    // Paused, it throws nothing, and a turn it was showing is taken off; going on ends a wait.
    computer.SetPause(5000);
    QVERIFY(session.Apply({TOperationKind::Turn, 0, 0, 26, 0}));
    QCOMPARE(computer.Throwing(), 1);
    computer.SetPaused(true);
    QCOMPARE(computer.Throwing(), -1);
    QVERIFY(session.Apply({TOperationKind::Undo}));
    QVERIFY(computer.IsWaiting());
    computer.SetPause(0);
    computer.SetPaused(false);
    QVERIFY(!computer.IsWaiting());
    QCOMPARE(computer.Throwing(), -1); // the person's turn again
    QVERIFY(session.Apply({TOperationKind::Turn, 0, 0, 26, 0}));
    QTRY_COMPARE(Sheet(session, 1).EntryCount(), 3);
    // The person types the computer's turn: what it was about to throw gives way.
    computer.SetPause(5000);
    QVERIFY(session.Apply({TOperationKind::Turn, 0, 0, 41, 0}));
    QCOMPARE(computer.Throwing(), 1);
    QVERIFY(session.Apply({TOperationKind::Turn, 1, 0, 100, 0}));
    QCOMPARE(computer.Throwing(), -1);
    QCOMPARE(Sheet(session, 1).LastEntry()->Score, 100);
    // A match of people only has no computer.
    session.Start(QStringLiteral("Standard 501"), Params({0, 0}, 0, 0));
    QVERIFY(!computer.HasComputer());
}

QTEST_GUILESS_MAIN(TestComputerThrower)
#include "ComputerThrowerTest.moc"
