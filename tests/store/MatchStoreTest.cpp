// The match store: a match stored operation by operation comes back identical, every fault
// is said and leaves play going, and the exports read as a spreadsheet expects.

#include "MatchStore.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

using TOps = std::vector<TMatchOperation>;

TMatchOperation Turn(int32_t player, int32_t score, int32_t darts = 0)
{
    return {TOperationKind::Turn, player, 0, score, darts};
}

// Sets of two legs, first to two sets, with an undo, a claim and corrections.
TGameParams SetsMatch()
{
    TGameParams params;
    params.PlayerCount = 2;
    params.StartScore = 101;
    params.CheckOutRule = true;
    params.Player1Name = "Anna, \"the\" Ace";
    params.Player2Name = "Ben";
    params.LegsToWin = 2;
    params.SetsToWin = 2;
    return params;
}

// Leg 1 to Anna (an undo, a two-dart claim), leg 2 to Ben (Anna's turn corrected after it),
// leg 3 and the first set to Anna by correcting her last turn into the checkout.
const TOps kPlayed = {Turn(0, 60),
                      Turn(1, 50),
                      {TOperationKind::Undo},
                      Turn(1, 45),
                      Turn(0, -1, 2),
                      {TOperationKind::NextLeg},
                      Turn(1, 60),
                      Turn(0, 20),
                      Turn(1, 41),
                      {TOperationKind::Correction, 0, 1, 81, 0},
                      {TOperationKind::NextLeg},
                      Turn(0, 60),
                      Turn(1, 60),
                      Turn(0, 1),
                      {TOperationKind::Correction, 0, 2, -1, 0}};

// Plays `operations` on a game and records each one the match accepts.
void PlayAndRecord(CMatchStore& store, CGame& game, const TOps& operations)
{
    QVERIFY(store.BeginMatch(QStringLiteral("Standard 101"), game.Params()));
    for (const TMatchOperation& operation : operations) {
        QVERIFY(ApplyOperation(game, operation));
        QVERIFY(store.Record(operation, game));
    }
}

bool SameMatch(const CGame& a, const CGame& b)
{
    if (a.LegCount() != b.LegCount() || a.MatchWinner() != b.MatchWinner()) {
        return false;
    }
    for (int32_t player = 0; player < 2; ++player) {
        const TPlayerStats x = a.GetPlayerStats(player);
        const TPlayerStats y = b.GetPlayerStats(player);
        if (std::tie(x.LegsWon, x.PointsScored, x.DartsThrown, x.HighestTurn, x.LowestTurn,
                     x.PossibleOutShots, x.HighestOutShot, x.OutShotPoints, x.Count60) !=
                std::tie(y.LegsWon, y.PointsScored, y.DartsThrown, y.HighestTurn, y.LowestTurn,
                         y.PossibleOutShots, y.HighestOutShot, y.OutShotPoints, y.Count60) ||
            x.TurnAverage != y.TurnAverage || a.SetsWon(player) != b.SetsWon(player)) {
            return false;
        }
    }
    for (int32_t index = 0; index < a.LegCount(); ++index) {
        const CLeg& x = *a.GetLeg(index);
        const CLeg& y = *b.GetLeg(index);
        if (x.PlayerToThrow() != y.PlayerToThrow() || x.Finished() != y.Finished()) {
            return false;
        }
        for (int32_t player = 0; player < x.SheetCount(); ++player) {
            const CPlayerScores& s = *x.GetSheet(player);
            const CPlayerScores& t = *y.GetSheet(player);
            if (s.EntryCount() != t.EntryCount() || s.DartCount() != t.DartCount()) {
                return false;
            }
            for (int32_t entry = 0; entry < s.EntryCount(); ++entry) {
                if (s.GetEntry(entry)->Score != t.GetEntry(entry)->Score ||
                    s.GetEntry(entry)->Remainder != t.GetEntry(entry)->Remainder ||
                    s.ClaimedDarts(entry) != t.ClaimedDarts(entry)) {
                    return false;
                }
            }
        }
    }
    return true;
}

} // namespace

class TestMatchStore : public QObject
{
    Q_OBJECT

private slots:
    void AStoredMatchIsRebuiltIdentically();
    void FaultsAreSaidAndPlayGoesOn();
    void ADamagedFileIsSetAsideAndANewOneMade();
    void PlayerRecordsAndDeleting();
    void CsvHasOneRowPerTurnQuotedAsRfc4180();
};

void TestMatchStore::AStoredMatchIsRebuiltIdentically()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("matches.sqlite"));
    CGame played;
    played.NewGame(SetsMatch());
    {
        CMatchStore store(path);
        QVERIFY2(store.Open(), qPrintable(store.Problem()));
        PlayAndRecord(store, played, kPlayed);
    }
    QCOMPARE(played.SetsWon(0), 1);
    CMatchStore store(path); // as after a restart
    QVERIFY(store.Open());
    const std::optional<TStoredMatch> stored = store.LastInPlay();
    QVERIFY(stored.has_value());
    QVERIFY(stored->Operations == kPlayed);
    QCOMPARE(Describe(*stored),
             QStringLiteral("Anna, \"the\" Ace v Ben \u00B7 Standard 101 \u00B7 Leg 3 \u00B7 Sets "
                            "1-0, Legs 0-0"));
    CGame rebuilt;
    QVERIFY(Rebuild(rebuilt, *stored));
    QVERIFY(SameMatch(rebuilt, played));
    // Recording goes on where it stopped; a new game abandons the match in play.
    QVERIFY(store.ContinueMatch(stored->Id));
    const TMatchOperation nextLeg{TOperationKind::NextLeg};
    QVERIFY(ApplyOperation(rebuilt, nextLeg));
    QVERIFY(store.Record(nextLeg, rebuilt));
    QCOMPARE(store.Load(stored->Id)->Operations.size(), kPlayed.size() + 1);
    QVERIFY(store.BeginMatch(QStringLiteral("Standard 501"), SetsMatch()));
    QCOMPARE(store.Load(stored->Id)->State, TMatchState::Abandoned);
    QSqlQuery integrity(store.Database());
    QVERIFY(integrity.exec(QStringLiteral("PRAGMA integrity_check")) && integrity.next());
    QCOMPARE(integrity.value(0).toString(), QStringLiteral("ok"));
}

void TestMatchStore::FaultsAreSaidAndPlayGoesOn()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("matches.sqlite"));
    {
        CMatchStore first(path);
        QVERIFY(first.Open());
        CGame game;
        game.NewGame(SetsMatch());
        PlayAndRecord(first, game, {Turn(0, 60)});
    }
    struct TFault
    {
        const char* Name;
        std::function<bool(CMatchStore&)> Cause; // false: the store refused to open
        const char* Said;
    };
    QSqlDatabase other =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
    other.setDatabaseName(path);
    QVERIFY(other.open());
    const std::vector<TFault> faults = {
        {"read-only disk", [](CMatchStore&) { return true; }, "cannot save"},
        {"full disk",
         [](CMatchStore& store) {
             // No page beyond those the file has: the next that is needed fails as on a full
             // disk.
             QSqlQuery pages(store.Database());
             return pages.exec(QStringLiteral("PRAGMA page_count")) && pages.next() &&
                    QSqlQuery(store.Database())
                        .exec(
                            QStringLiteral("PRAGMA max_page_count=%1").arg(pages.value(0).toInt()));
         },
         "cannot save"},
        {"locked by another program",
         [&](CMatchStore&) { return QSqlQuery(other).exec(QStringLiteral("BEGIN EXCLUSIVE")); },
         "cannot save"},
    };
    for (const TFault& fault : faults) {
        const bool readOnly = QByteArray(fault.Name) == "read-only disk";
        CMatchStore store(path, readOnly ? QStringLiteral("QSQLITE_OPEN_READONLY") : QString());
        QVERIFY2(store.Open() || readOnly, fault.Name);
        if (!store.IsOpen()) {
            QVERIFY(!store.Problem().isEmpty()); // a read-only file may refuse WAL at once
            continue;
        }
        QVERIFY(fault.Cause(store));
        CGame game;
        game.NewGame(SetsMatch());
        QVERIFY(ApplyOperation(game, Turn(0, 60)));
        bool saved = store.BeginMatch(QStringLiteral("Standard 101"), SetsMatch());
        for (int turn = 0; saved && turn < 2000; ++turn) {
            saved = store.Record(Turn(0, 60), game);
        }
        QVERIFY2(!saved, fault.Name);
        QVERIFY2(store.Problem().contains(QLatin1String(fault.Said)), qPrintable(store.Problem()));
        QVERIFY(!store.IsOpen());
        // Play goes on: the store refuses quietly from now on.
        QVERIFY(ApplyOperation(game, Turn(1, 60)));
        QVERIFY(!store.Record(Turn(1, 60), game));
    }
    QSqlQuery(other).exec(QStringLiteral("ROLLBACK"));
    // A file from a newer version is left alone.
    QVERIFY(QSqlQuery(other).exec(QStringLiteral("PRAGMA user_version=99")));
    other.close();
    {
        CMatchStore store(path);
        QVERIFY(!store.Open());
        QVERIFY(store.Problem().contains(QStringLiteral("newer")));
    }
    QVERIFY(other.open());
    QSqlQuery version(other);
    QVERIFY(version.exec(QStringLiteral("PRAGMA user_version")) && version.next());
    QCOMPARE(version.value(0).toInt(), 99);
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    // A folder that cannot be made.
    QFile blocker(dir.filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    CMatchStore nowhere(dir.filePath(QStringLiteral("file/matches.sqlite")));
    QVERIFY(!nowhere.Open());
    QVERIFY(!nowhere.Problem().isEmpty());
}

void TestMatchStore::ADamagedFileIsSetAsideAndANewOneMade()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("matches.sqlite"));
    const QByteArray garbage(8192, '\x5A');
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(garbage) == garbage.size());
    file.close();
    CMatchStore store(path);
    QVERIFY2(store.Open(), qPrintable(store.Problem()));
    QVERIFY(store.Problem().contains(QStringLiteral(".bad")));
    QFile aside(path + QStringLiteral(".bad"));
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), garbage);
    CGame game;
    game.NewGame(SetsMatch());
    PlayAndRecord(store, game, {Turn(0, 60)});
}

void TestMatchStore::PlayerRecordsAndDeleting()
{
    QTemporaryDir dir;
    CMatchStore store(dir.filePath(QStringLiteral("matches.sqlite")));
    QVERIFY(store.Open());
    CGame game;
    game.NewGame(SetsMatch());
    PlayAndRecord(store, game, kPlayed);
    const int64_t first = store.CurrentMatch();
    TGameParams params = SetsMatch();
    params.LegsToWin = 1;
    params.SetsToWin = 0;
    game.NewGame(params);
    PlayAndRecord(store, game, {Turn(0, 101)}); // the match to Anna at once
    QCOMPARE(game.MatchWinner(), 0);
    const TPlayerRecord anna = store.PlayerRecord(QString::fromStdString(params.Player1Name));
    QCOMPARE(anna.MatchesPlayed, 2);
    QCOMPARE(anna.MatchesWon, 1);
    QCOMPARE(anna.LegsPlayed, 3 + 1);
    QCOMPARE(anna.LegsWon, 2 + 1);
    QCOMPARE(anna.HighestCheckout, 101);
    QVERIFY(anna.ThreeDartAverage > 0);
    QCOMPARE(store.PlayerNames(),
             (QStringList{QString::fromStdString(params.Player1Name), QStringLiteral("Ben")}));
    QVERIFY(store.Delete(first));
    QVERIFY(!store.Load(first).has_value());
    QCOMPARE(store.PlayerRecord(QStringLiteral("Ben")).MatchesPlayed, 1);
}

void TestMatchStore::CsvHasOneRowPerTurnQuotedAsRfc4180()
{
    TStoredMatch match;
    match.GameName = QStringLiteral("Standard 101");
    match.Params = SetsMatch();
    match.Operations = kPlayed;
    const QByteArray csv = MatchCsv(match);
    QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
    const QList<QByteArray> rows = csv.mid(3).split('\n');
    QCOMPARE(rows.front(), QByteArray("Leg,Set,Player,Turn,Score,Remainder,Darts claimed\r"));
    // Leg 1: Anna 60, Ben 45, Anna's 41 with two darts; leg 2 starts with Ben.
    QCOMPARE(rows[1], QByteArray("1,1,\"Anna, \"\"the\"\" Ace\",1,60,41,0\r"));
    QCOMPARE(rows[2], QByteArray("1,1,Ben,1,45,56,0\r"));
    QCOMPARE(rows[3], QByteArray("1,1,\"Anna, \"\"the\"\" Ace\",2,41,0,2\r"));
    QCOMPARE(rows[4], QByteArray("2,1,Ben,1,60,41,0\r"));
    QCOMPARE(rows[6], QByteArray("2,1,Ben,2,41,0,0\r"));
    QCOMPARE(rows[9], QByteArray("3,1,\"Anna, \"\"the\"\" Ace\",2,41,0,0\r"));
    QCOMPARE(rows.size(), 1 + 3 + 3 + 3 + 1); // header, 9 turns, the empty end
}

QTEST_GUILESS_MAIN(TestMatchStore)
#include "MatchStoreTest.moc"
