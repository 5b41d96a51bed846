// The match session: operations from any source are checked and applied once, and its
// followers hear exactly what the match took, before Apply returns.

#include "session/MatchSession.h"

#include "games/Cricket.h"
#include "model/DartNotation.h"
#include "store/MatchExport.h"
#include "store/MatchStore.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The session's match when it is one of cricket or a practice game; none for X01.
const CGamesMatch* Games(const TMatchSession& session)
{
    return dynamic_cast<const CGamesMatch*>(&session.Match());
}

} // namespace

class TestMatchSession : public QObject
{
    Q_OBJECT

private slots:
    void ACricketMatchIsKeptAndResumed();
    void FollowersHearWhatTheMatchTook();
};

void TestMatchSession::FollowersHearWhatTheMatchTook()
{
    TMatchSession session;
    QSignalSpy started(&session, &TMatchSession::MatchStarted);
    QSignalSpy applied(&session, &TMatchSession::OperationApplied);
    QSignalSpy resumed(&session, &TMatchSession::Resumed);
    TGameParams params;
    params.PlayerCount = 2;
    params.StartScore = 101;
    params.CheckOutRule = true;
    session.Start(QStringLiteral("Standard 101"), params);
    QCOMPARE(started.count(), 1);
    QCOMPARE(session.Title(), QStringLiteral("Standard 101"));
    // Taken, refused (a bust of the other player's sheet), taken: two followers' calls.
    const std::vector<TMatchOperation> operations = {
        {TOperationKind::Turn, 0, 0, 60, 0},
        {TOperationKind::Turn, 1, 0, 180, 0},
        {TOperationKind::Turn, 1, 0, 45, 0},
    };
    std::vector<bool> taken;
    for (const TMatchOperation& operation : operations) {
        const qsizetype before = applied.count();
        taken.push_back(session.Apply(operation));
        QCOMPARE(applied.count(), before + (taken.back() ? 1 : 0)); // heard before it returns
    }
    QCOMPARE(taken, (std::vector<bool>{true, false, true}));
    QCOMPARE(applied.back().front().value<TMatchOperation>(), operations[2]);
    // The sheets a turn changed are heard within Apply; a refusal is said before applying.
    QSignalSpy sheets(&session, &TMatchSession::SheetChanged);
    QVERIFY(session.Check({TOperationKind::Turn, 0, 0, 179, 0}).Refusal == TRefusal::NotAScore);
    QVERIFY(session.Apply({TOperationKind::Turn, 0, 0, 41, 0}));
    QCOMPARE(sheets.count(), 1);
    // A stored match is replayed without per-sheet events, and announced once.
    QVERIFY(session.Resume(QStringLiteral("Standard 101"), params, {operations[0], operations[2]}));
    QCOMPARE(sheets.count(), 1);
    QCOMPARE(resumed.count(), 1);
    QCOMPARE(session.Game().CurrentLeg()->GetSheet(1)->LastEntry()->Remainder, 56);
    QVERIFY(session.Apply({TOperationKind::Turn, 0, 0, 1, 0}));
    QCOMPARE(sheets.count(), 2); // heard again after the replay
}

// A cricket match recorded operation by operation comes back from the store exactly as it
// stood: marks, points, the side to throw, the legs; and once won it is no longer in play.
void TestMatchSession::ACricketMatchIsKeptAndResumed()
{
    QTemporaryDir folder;
    CMatchStore store(folder.filePath(QStringLiteral("matches.sqlite")));
    QVERIFY(store.Open());
    TMatchSession session;
    connect(&session, &TMatchSession::OperationApplied, &session,
            [&](const TMatchOperation& operation) { store.Record(operation, *Games(session)); });
    TGameParams params;
    params.PlayerCount = 3;
    params.PlayerNames = {"Anna", "Ben", "Cleo"};
    params.Player1Name = "Anna";
    params.Player2Name = "Ben";
    params.LegsToWin = 2;
    params.EnterDarts = true;
    session.Start(QStringLiteral("Cut-Throat Cricket"), params);
    QVERIFY(store.BeginMatch(session.Title(), params));
    QVERIFY(Games(session) != nullptr);
    const auto turn = [&](const char* text) {
        std::vector<TDart> darts;
        return ParseDarts(text, darts) &&
               session.Apply({TOperationKind::Turn, Games(session)->CurrentLeg().PlayerToThrow(), 0,
                              0, 0, -1, darts});
    };
    for (const char* text : {"T20 T20", "", "T19 S20", "T18", "", ""}) {
        QVERIFY2(turn(text), text);
    }
    QVERIFY(session.Apply({TOperationKind::Undo}));
    QVERIFY(!session.Apply({TOperationKind::Turn, 0})); // not Anna's turn: Cleo throws
    const auto same = [](const CGamesMatch& a, const CGamesMatch& b) {
        const auto& left = dynamic_cast<const CCricketGame&>(a.CurrentLeg());
        const auto& right = dynamic_cast<const CCricketGame&>(b.CurrentLeg());
        for (int32_t player = 0; player < 3; ++player) {
            for (const int32_t number : CCricketGame::kNumbers) {
                QCOMPARE(left.Marks(player, number), right.Marks(player, number));
            }
            QCOMPARE(left.Points(player), right.Points(player));
        }
        QCOMPARE(left.PlayerToThrow(), right.PlayerToThrow());
        QCOMPARE(a.LegCount(), b.LegCount());
    };
    std::optional<TStoredMatch> stored = store.LastInPlay();
    QVERIFY(stored.has_value());
    QCOMPARE(stored->GameName, QStringLiteral("Cut-Throat Cricket"));
    TMatchSession resumed;
    QVERIFY(resumed.Resume(stored->GameName, stored->Params, stored->Operations));
    QVERIFY(Games(resumed) != nullptr);
    same(*Games(session), *Games(resumed));
    QCOMPARE(dynamic_cast<const CCricketGame&>(Games(resumed)->CurrentLeg()).Points(1), 60);
    // The leg is left for a new one, where Cleo closes everything with no more points than
    // anyone: the leg is hers; one more leg wins it all.
    QVERIFY(session.Apply({TOperationKind::NextLeg}));
    for (int32_t leg = 0; leg < 2; ++leg) {
        while (Games(session)->CurrentLeg().PlayerToThrow() != 2) {
            QVERIFY(turn(""));
        }
        for (const char* text : {"T20 T19 T18", "", "", "T17 T16 T15", "", "", "bull 25"}) {
            QVERIFY2(turn(text), text);
        }
        QCOMPARE(Games(session)->CurrentLeg().Winner(), 2);
        if (leg == 0) {
            QVERIFY(session.Apply({TOperationKind::NextLeg}));
        }
    }
    QCOMPARE(Games(session)->MatchWinner(), 2);
    stored = store.Load(store.CurrentMatch());
    QVERIFY(stored.has_value());
    QCOMPARE(stored->State, TMatchState::Won);
    // The CSV holds the turns that stand (the undone one gone), each with its darts.
    const QList<QByteArray> rows = MatchCsv(*stored).split('\n');
    QCOMPARE(rows[0], QByteArray("\xEF\xBB\xBFLeg,Player,Turn,Darts,After\r"));
    QCOMPARE(rows[1], QByteArray("1,Anna,1,T20 T20,0\r"));
    QCOMPARE(rows[3], QByteArray("1,Cleo,1,T19 20,60\r"));
    QCOMPARE(rows[6], QByteArray("2,Ben,1,,0\r"));
    QCOMPARE(stored->Score, QStringLiteral("0-0-2"));
    QVERIFY(!store.LastInPlay().has_value());
    QVERIFY(resumed.Resume(stored->GameName, stored->Params, stored->Operations));
    same(*Games(session), *Games(resumed));
}

QTEST_GUILESS_MAIN(TestMatchSession)
#include "MatchSessionTest.moc"
