// The match session: operations from any source are checked and applied once, and its
// followers hear exactly what the match took, before Apply returns.

#include "MatchSession.h"

#include <QSignalSpy>
#include <QTest>

class TestMatchSession : public QObject
{
    Q_OBJECT

private slots:
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

QTEST_GUILESS_MAIN(TestMatchSession)
#include "MatchSessionTest.moc"
