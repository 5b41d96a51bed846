// The match store: a match stored operation by operation comes back identical, every fault
// is said and leaves play going, and the exports read as a spreadsheet expects.

#include "store/MatchStore.h"

#include "games/GamesMatch.h"
#include "store/StoreCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <functional>
#include <sys/resource.h>

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
    void AFileThatCannotBeUsedNowIsLeftAsItIs();
    void RecordingWaitsOutAFaultAndLosesNothing();
    void OneProgramWritesTheStore();
    void ADamagedFileIsSetAsideAndANewOneMade();
    void PlayerRecordsAndDeleting();
    void TheJournalIsCopiedOffTheTurnsPath();
    void CsvHasOneRowPerTurnQuotedAsRfc4180();
    void AnEarlierLegsCorrectionIsKeptAndOlderStoresTakeIt();
    void SidesPairsAndHandicapsComeBackAndAVersionOneFileIsTakenUp();
    void DartTurnsComeBackWithTheirDarts();
    void RowsNoMatchHoldsAreReadSafelyAndSaid();
    void AJournalDeletedInUseLosesNothing();
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
    // A Next Leg taken back is kept as an operation of its own and replays as it was.
    const TMatchOperation legBack{TOperationKind::UndoNextLeg};
    QVERIFY(ApplyOperation(rebuilt, legBack));
    QVERIFY(store.Record(legBack, rebuilt));
    CGame replayed;
    QVERIFY(Rebuild(replayed, *store.Load(stored->Id)));
    QVERIFY(SameMatch(replayed, rebuilt));
    QCOMPARE(replayed.LegCount(), 3);
    QCOMPARE(store.Load(stored->Id)->Operations.size(), kPlayed.size() + 2);
    QVERIFY(store.BeginMatch(QStringLiteral("Standard 501"), SetsMatch()));
    const int64_t newer = store.CurrentMatch();
    QCOMPARE(store.Load(stored->Id)->State, TMatchState::Abandoned);
    // An abandoned match can be taken up again; the one in play is then abandoned.
    QVERIFY(store.ContinueMatch(stored->Id));
    QCOMPARE(store.LastInPlay()->Id, stored->Id);
    QCOMPARE(store.Load(newer)->State, TMatchState::Abandoned);
    QSqlQuery integrity(store.Database());
    QVERIFY(integrity.exec(QStringLiteral("PRAGMA integrity_check")) && integrity.next());
    QCOMPARE(integrity.value(0).toString(), QStringLiteral("ok"));
}

void TestMatchStore::AFileThatCannotBeUsedNowIsLeftAsItIs()
{
    struct TCase
    {
        const char* Name;
        // Makes the fault at `path` (a store with one match is there); returns the options
        // the store is opened with.
        std::function<QString(const QString& path)> Cause;
        const char* Said;
        bool Retried; // the store is taken up once the fault is gone
    };
    QSqlDatabase other;
    // Another program's connection runs `statements` on the file at `path` (made afresh
    // unless `keep`).
    const auto foreign = [&](const QString& path, const QString& statements, bool keep) {
        if (!keep) {
            QFile::remove(path);
        }
        other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(path);
        QVERIFY(other.open());
        for (const QString& statement : statements.split(u';')) {
            QVERIFY(QSqlQuery(other).exec(statement));
        }
    };
    const std::vector<TCase> cases = {
        // No file may grow: the journal files cannot be made, as on a full disk.
        {"full disk",
         [](const QString&) {
             std::signal(SIGXFSZ, SIG_IGN);
             const rlimit limit{0, RLIM_INFINITY};
             setrlimit(RLIMIT_FSIZE, &limit);
             return QString();
         },
         "cannot be written", true},
        {"locked by another program",
         [&](const QString& path) {
             foreign(path, QStringLiteral("PRAGMA locking_mode=EXCLUSIVE;BEGIN EXCLUSIVE"), true);
             return QStringLiteral("QSQLITE_BUSY_TIMEOUT=50");
         },
         "locked by another program", true},
        {"a link",
         [](const QString& path) {
             QFile::rename(path, path + QStringLiteral(".target"));
             QFile::link(path + QStringLiteral(".target"), path);
             return QString();
         },
         "is a link", false},
        {"a folder",
         [](const QString& path) {
             QFile::remove(path);
             QDir().mkpath(path);
             return QString();
         },
         "not a regular file", false},
        {"another program's tables",
         [&](const QString& path) {
             foreign(path, QStringLiteral("CREATE TABLE notes(text);PRAGMA user_version=1"), false);
             return QString();
         },
         "another program's database", false},
        {"another program's newer version",
         [&](const QString& path) {
             foreign(path, QStringLiteral("CREATE TABLE matches(x);PRAGMA user_version=99"), false);
             return QString();
         },
         "another program's database", false},
        {"a newer Vantorix",
         [&](const QString& path) {
             foreign(path, QStringLiteral("PRAGMA user_version=99"), true);
             other.close(); // its change is in the file
             return QString();
         },
         "newer Vantorix", false},
    };
    for (const TCase& fault : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("matches.sqlite"));
        {
            CMatchStore first(path);
            QVERIFY(first.Open());
            CGame game;
            game.NewGame(SetsMatch());
            PlayAndRecord(first, game, {Turn(0, 60)});
        }
        const QString options = fault.Cause(path);
        const QStringList before =
            QDir(dir.path())
                .entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
        QByteArray bytes;
        if (QFileInfo(path).isFile()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            bytes = file.readAll();
        }
        {
            CMatchStore store(path, options);
            QVERIFY2(!store.Open() || !store.IsWriter(), fault.Name);
            QVERIFY2(store.Problem().contains(QLatin1String(fault.Said)),
                     qPrintable(
                         QStringLiteral("%1: %2").arg(QLatin1String(fault.Name), store.Problem())));
            QVERIFY2(!store.Problem().contains(QStringLiteral("damaged")), fault.Name);
            QVERIFY(!store.BeginMatch(QStringLiteral("Standard 101"), SetsMatch()));
        }
        // Nothing set aside, made or changed, and the match is there once the fault is gone.
        const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &unlimited);
        if (other.isValid()) {
            other.close();
            other = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("other"));
        }
        // (Empty journal files and the lock may be left by the attempt.)
        const QStringList after =
            QDir(dir.path())
                .entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
        for (const QString& name : after) {
            QVERIFY2(before.contains(name) || name.endsWith(QStringLiteral("-wal")) ||
                         name.endsWith(QStringLiteral("-shm")) ||
                         name.endsWith(QStringLiteral(".lock")),
                     qPrintable(name));
        }
        if (!bytes.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY2(file.readAll() == bytes, fault.Name);
        }
        if (fault.Retried) {
            CMatchStore store(path);
            QVERIFY2(store.Open(), qPrintable(store.Problem()));
            QVERIFY2(store.LastInPlay().has_value(), fault.Name);
        }
    }
}

void TestMatchStore::RecordingWaitsOutAFaultAndLosesNothing()
{
    struct TCase
    {
        const char* Name;
        std::function<void(CMatchStore&, QSqlDatabase&, bool on)> Fault;
        const char* Said;
    };
    const std::vector<TCase> cases = {
        {"held by a reader with a write lock",
         [](CMatchStore&, QSqlDatabase& other, bool on) {
             QVERIFY(QSqlQuery(other).exec(on ? QStringLiteral("BEGIN EXCLUSIVE")
                                              : QStringLiteral("ROLLBACK")));
         },
         "locked by another program"},
        {"full disk",
         [](CMatchStore& store, QSqlDatabase&, bool on) {
             // No page beyond those the file has: the next one fails as on a full disk.
             QSqlQuery pages(store.Database());
             QVERIFY(pages.exec(QStringLiteral("PRAGMA page_count")) && pages.next());
             QVERIFY(QSqlQuery(store.Database())
                         .exec(QStringLiteral("PRAGMA max_page_count=%1")
                                   .arg(on ? pages.value(0).toInt() : 1 << 30)));
         },
         "the disk is full"},
    };
    for (const TCase& fault : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("matches.sqlite"));
        CMatchStore store(path, QStringLiteral("QSQLITE_BUSY_TIMEOUT=50"));
        QVERIFY(store.Open());
        QSqlDatabase other =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(path);
        QVERIFY(other.open());
        CGame game;
        game.NewGame(SetsMatch());
        QVERIFY(store.BeginMatch(QStringLiteral("Standard 101"), game.Params()));
        TOps played;
        bool applied = true;
        const auto play = [&](const TMatchOperation& operation) {
            played.push_back(operation);
            applied = applied && ApplyOperation(game, operation);
            return store.Record(operation, game);
        };
        QVERIFY(play(Turn(0, 60)));
        fault.Fault(store, other, true);
        for (int turn = 0; turn < 3000 && store.Unwritten() == 0; ++turn) {
            play(Turn(game.CurrentLeg()->PlayerToThrow(), 0));
        }
        QVERIFY2(store.Unwritten() > 0, fault.Name);
        QVERIFY2(store.Problem().contains(QLatin1String(fault.Said)), qPrintable(store.Problem()));
        QVERIFY(!play(Turn(game.CurrentLeg()->PlayerToThrow(), 0)));
        // While behind, a held store fails at once instead of holding every turn.
        const auto busyTimeout = [&store] {
            QSqlQuery query(store.Database());
            return query.exec(QStringLiteral("PRAGMA busy_timeout")) && query.next()
                       ? query.value(0).toInt()
                       : -1;
        };
        QCOMPARE(busyTimeout(), 0);
        fault.Fault(store, other, false);
        QVERIFY(play(Turn(game.CurrentLeg()->PlayerToThrow(), 0)));
        QVERIFY(play(Turn(game.CurrentLeg()->PlayerToThrow(), 0)));
        QCOMPARE(busyTimeout(), 50);
        QVERIFY2(store.Problem().contains(QStringLiteral("recording goes on")),
                 qPrintable(store.Problem()));
        QCOMPARE(store.Unwritten(), 0);
        QVERIFY(applied);
        QVERIFY(store.Load(store.CurrentMatch())->Operations == played);
        other.close();
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
    }
    // Journal files left unwritable while the store was read-only are mended at the start.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("matches.sqlite"));
    {
        CMatchStore store(path);
        QVERIFY(store.Open());
    }
    for (const char* side : {"-wal", "-shm"}) {
        QFile file(path + QLatin1String(side));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(file.setPermissions(QFile::ReadOwner));
    }
    CMatchStore store(path);
    QVERIFY(store.Open());
    for (const char* side : {"-wal", "-shm"}) {
        QCOMPARE(QFileInfo(path + QLatin1String(side)).permissions(),
                 QFileInfo(path).permissions());
    }
}

void TestMatchStore::OneProgramWritesTheStore()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("matches.sqlite"));
    auto first = std::make_unique<CMatchStore>(path);
    QVERIFY(first->Open());
    CGame game;
    game.NewGame(SetsMatch());
    PlayAndRecord(*first, game, {Turn(0, 60)});
    const int64_t live = first->CurrentMatch();
    {
        CMatchStore second(path);
        QVERIFY2(second.Open(), qPrintable(second.Problem())); // History can be read
        QVERIFY(!second.IsWriter());
        QVERIFY(second.Problem().contains(QStringLiteral("another Vantorix")));
        QVERIFY(!second.LastInPlay().has_value()); // the other's match is never offered
        QVERIFY(second.Load(live).has_value());
        QVERIFY(!second.ContinueMatch(live));
        QVERIFY(!second.BeginMatch(QStringLiteral("Standard 101"), SetsMatch()));
        QVERIFY(!second.Record(Turn(1, 60), game));
        QVERIFY(!second.Delete(live));
    }
    // The first goes on, untouched.
    QVERIFY(first->Record(Turn(1, 60), game));
    first.reset(); // gone: the next start takes the store up
    CMatchStore next(path);
    QVERIFY(next.Open());
    QVERIFY(next.IsWriter());
    QVERIFY(next.LastInPlay().has_value());
}

void TestMatchStore::ADamagedFileIsSetAsideAndANewOneMade()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("matches.sqlite"));
    const QByteArray garbage(8192, '\x5A');
    // Twice: the second damaged file never replaces the first one kept.
    for (const char* kept : {".bad", ".bad.1"}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(garbage) == garbage.size());
        file.close();
        CMatchStore store(path);
        QVERIFY2(store.Open(), qPrintable(store.Problem()));
        QVERIFY2(store.Problem().contains(path + QLatin1String(kept)), qPrintable(store.Problem()));
        QFile aside(path + QLatin1String(kept));
        QVERIFY(aside.open(QIODevice::ReadOnly));
        QCOMPARE(aside.readAll(), garbage);
        CGame game;
        game.NewGame(SetsMatch());
        PlayAndRecord(store, game, {Turn(0, 60)});
    }
    QVERIFY(QFileInfo::exists(path + QStringLiteral(".bad")));

    // Nine matches and a damaged last page: what still reads is carried into the new store.
    QVERIFY(QFile::remove(path));
    {
        CMatchStore store(path);
        QVERIFY(store.Open());
        for (int match = 0; match < 9; ++match) {
            CGame game;
            game.NewGame(SetsMatch());
            PlayAndRecord(store, game, kPlayed);
        }
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.seek(file.size() - 4096) && file.write(QByteArray(4096, '\x5A')) == 4096);
    file.close();
    CMatchStore store(path);
    // Opening reads the schema only; the whole file's check finds the damage.
    QVERIFY2(store.Open(), qPrintable(store.Problem()));
    QVERIFY(store.Problem().isEmpty());
    const TStoreCheck check = CheckStoreFile(path);
    QVERIFY(check.Ran && check.Damaged);
    QVERIFY(store.SetDamagedAside());
    QVERIFY2(store.Problem().contains(QStringLiteral("with 9 of the 9 matches that could be read "
                                                     "carried over")),
             qPrintable(store.Problem()));
    QVERIFY(!CheckStoreFile(path).Damaged);
    CGame rebuilt;
    QVERIFY(Rebuild(rebuilt, *store.Load(9)));
    QCOMPARE(rebuilt.SetsWon(0), 1);
}

// A turn's commit never copies the journal into the file (that syncs the disk); a connection
// of the keeper's own does, while the store stays open for writing.
void TestMatchStore::TheJournalIsCopiedOffTheTurnsPath()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("matches.sqlite"));
    CMatchStore store(path);
    QVERIFY(store.Open());
    CGame game;
    game.NewGame(SetsMatch());
    PlayAndRecord(store, game, kPlayed);
    QSqlQuery automatic(store.Database());
    QVERIFY(automatic.exec(QStringLiteral("PRAGMA wal_autocheckpoint")) && automatic.next());
    QCOMPARE(automatic.value(0).toInt(), 0);
    automatic.finish();
    QVERIFY(CheckpointStoreFile(path));
    QSqlQuery left(store.Database());
    QVERIFY(left.exec(QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)")) && left.next());
    QCOMPARE(left.value(1).toInt(), left.value(2).toInt()); // every frame is in the file
    left.finish();
    QVERIFY(store.Problem().isEmpty());
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
    QCOMPARE(Describe(*store.Load(store.CurrentMatch())),
             QStringLiteral("Anna, \"the\" Ace v Ben \u00B7 Standard 101 \u00B7 1-0"));
    const TPlayerRecord anna = store.PlayerRecord(QString::fromStdString(params.Player1Name));
    QCOMPARE(anna.MatchesPlayed, 2);
    QCOMPARE(anna.MatchesWon, 1);
    QCOMPARE(anna.LegsPlayed, 3 + 1);
    QCOMPARE(anna.LegsWon, 2 + 1);
    QCOMPARE(anna.HighestCheckout, 101);
    QVERIFY(anna.ThreeDartAverage > 0);
    QCOMPARE(store.PlayerNames(),
             (QStringList{QString::fromStdString(params.Player1Name), QStringLiteral("Ben")}));
    // The match being recorded is not deleted from under it.
    QVERIFY(!store.Delete(store.CurrentMatch()));
    QVERIFY(store.Problem().contains(QStringLiteral("match in play")));
    QVERIFY(store.Delete(first));
    QVERIFY(!store.Load(first).has_value());
    QCOMPARE(store.PlayerRecord(QStringLiteral("Ben")).MatchesPlayed, 1);
    // A computer called Ben: kept with its average and seed for resuming, and never counted in
    // the person Ben's figures, nor listed as a person.
    params.ComputerAverages = {0, 85};
    params.ComputerSeed = 0xFEDCBA9876543210ULL; // beyond SQLite's signed range
    game.NewGame(params);
    PlayAndRecord(store, game, {Turn(0, 20), Turn(1, 95)});
    const std::optional<TStoredMatch> computer = store.Load(store.CurrentMatch());
    QCOMPARE(computer->Params.ComputerAverages, (std::vector<int32_t>{0, 85}));
    QCOMPARE(computer->Params.ComputerSeed, params.ComputerSeed);
    const TPlayerRecord ben = store.PlayerRecord(QStringLiteral("Ben"));
    QCOMPARE(ben.MatchesPlayed, 1);
    QCOMPARE(ben.HighestTurn, 0);
    QVERIFY(store.PlayerAverages(QStringLiteral("Ben")).empty());
    QCOMPARE(store.PlayerNames().count(QStringLiteral("Ben")), 1);
    QCOMPARE(store.PlayerRecord(QString::fromStdString(params.Player1Name)).MatchesPlayed, 2);

    // A match of Bob's 27 counts as a match played, not in the 3-dart average (no X01 points).
    const double average =
        store.PlayerRecord(QString::fromStdString(params.Player1Name)).ThreeDartAverage;
    const size_t averages = store.PlayerAverages(QString::fromStdString(params.Player1Name)).size();
    params.ComputerAverages.clear();
    params.PlayerCount = 1;
    params.EnterDarts = true;
    CGamesMatch bobs(TGameKind::Bobs27, params);
    QVERIFY(store.BeginMatch(QStringLiteral("Bob's 27"), params));
    const TMatchOperation miss{TOperationKind::Turn, 0, 0, 0, 0, -1, {}};
    QVERIFY(ApplyOperation(bobs, miss) && store.Record(miss, bobs));
    const TPlayerRecord played = store.PlayerRecord(QString::fromStdString(params.Player1Name));
    QCOMPARE(played.MatchesPlayed, 3);
    QCOMPARE(played.ThreeDartAverage, average);
    QCOMPARE(store.PlayerAverages(QString::fromStdString(params.Player1Name)).size(), averages);

    // Killer without a computer: its seed is kept, so the match comes back with its numbers.
    params.PlayerCount = 3;
    params.PlayerNames = {params.Player1Name, "Ben", "Cleo"};
    params.ComputerSeed = 0x8000000000000001ULL;
    QVERIFY(store.BeginMatch(QStringLiteral("Killer"), params));
    const std::optional<TStoredMatch> killer = store.Load(store.CurrentMatch());
    QCOMPARE(killer->Params.ComputerSeed, params.ComputerSeed);
    QVERIFY(killer->Params.ComputerAverages.empty());
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
    // Every turn counts 3 darts but a claimed checkout (the 41 with two darts); leg 3's is
    // typed without a claim.
    QCOMPARE(rows[1], QByteArray("1,1,\"Anna, \"\"the\"\" Ace\",1,60,41,3\r"));
    QCOMPARE(rows[2], QByteArray("1,1,Ben,1,45,56,3\r"));
    QCOMPARE(rows[3], QByteArray("1,1,\"Anna, \"\"the\"\" Ace\",2,41,0,2\r"));
    QCOMPARE(rows[4], QByteArray("2,1,Ben,1,60,41,3\r"));
    QCOMPARE(rows[6], QByteArray("2,1,Ben,2,41,0,3\r"));
    QCOMPARE(rows[9], QByteArray("3,1,\"Anna, \"\"the\"\" Ace\",2,41,0,3\r"));
    QCOMPARE(rows.size(), 1 + 3 + 3 + 3 + 1); // header, 9 turns, the empty end

    // Names are cells, never patterns or formulas; a claimed finish corrected into a turn
    // that does not finish counts three darts.
    match.Params.Player1Name = "=1+1";
    match.Params.Player2Name = "%1 %2 @SUM(1)";
    match.Params.LegsToWin = 0;
    match.Operations = {Turn(0, -1, 2), {TOperationKind::Correction, 0, 1, 60, 0}, Turn(1, 60)};
    const QList<QByteArray> named = MatchCsv(match).mid(3).split('\n');
    QCOMPARE(named[1], QByteArray("1,1,'=1+1,1,60,41,3\r"));
    QCOMPARE(named[2], QByteArray("1,1,%1 %2 @SUM(1),1,60,41,3\r"));
    // A name led by a tab is guarded as it is written (a blank, then the formula); a game's
    // figure below zero is a number, never guarded.
    match.Params.Player1Name = "\t=1+1";
    QCOMPARE(MatchCsv(match).mid(3).split('\n')[1], QByteArray("1,1,' =1+1,1,60,41,3\r"));
    TStoredMatch bobs;
    bobs.GameName = QStringLiteral("Bob's 27");
    bobs.Params.PlayerCount = 1;
    bobs.Params.Player1Name = "Anna";
    bobs.Operations.assign(5, {TOperationKind::Turn, 0, 0, 0, 0, -1, {}}); // 27 - 2 - 4 - .. - 10
    QCOMPARE(MatchCsv(bobs).mid(3).split('\n')[5], QByteArray("1,Anna,5,,-3\r"));
    match.Params.Player1Name = std::string(300, 'A');
    match.Started = QDateTime(QDate(2026, 12, 8), QTime(20, 15));
    const QString file = CsvFileName(match);
    QVERIFY(file.toUtf8().size() <= 100);
    QVERIFY(file.endsWith(QStringLiteral("\u2026 2026-12-08 20-15.csv")));
}

void TestMatchStore::AnEarlierLegsCorrectionIsKeptAndOlderStoresTakeIt()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("matches.sqlite"));
    TGameParams params = SetsMatch();
    params.StartScore = 301;
    params.LegsToWin = 3;
    params.SetsToWin = 0;
    const TOps played = {Turn(0, 180), Turn(1, 60),
                         Turn(0, 121), {TOperationKind::NextLeg},
                         Turn(1, 60),  {TOperationKind::Correction, 1, 1, 100, 0, 0}};
    CGame game;
    game.NewGame(params);
    {
        CMatchStore store(path);
        QVERIFY(store.Open());
        PlayAndRecord(store, game, played);
    }
    QCOMPARE(game.GetLeg(0)->GetSheet(1)->LastEntry()->Remainder, 201);
    {
        CMatchStore store(path);
        QVERIFY(store.Open());
        const std::optional<TStoredMatch> stored = store.LastInPlay();
        QVERIFY(stored.has_value() && stored->Operations == played);
        CGame rebuilt;
        QVERIFY(Rebuild(rebuilt, *stored));
        QVERIFY(SameMatch(rebuilt, game));
    }
    // A store of the version before: its operations come back as corrections of the leg in
    // play, and it takes the new ones.
    {
        QSqlDatabase older =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("older"));
        older.setDatabaseName(path);
        QVERIFY(older.open());
        QVERIFY(QSqlQuery(older).exec(QStringLiteral("ALTER TABLE operations DROP COLUMN leg")));
        QVERIFY(QSqlQuery(older).exec(QStringLiteral("PRAGMA user_version=1")));
        older.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("older"));
    CMatchStore store(path);
    QVERIFY2(store.Open(), qPrintable(store.Problem()));
    const std::optional<TStoredMatch> migrated = store.LastInPlay();
    QVERIFY(migrated.has_value());
    QCOMPARE(migrated->Operations.size(), played.size());
    QCOMPARE(migrated->Operations.back().Leg, -1);
    QVERIFY(store.ContinueMatch(migrated->Id));
    QVERIFY(store.Record({TOperationKind::Correction, 1, 1, 100, 0, 0}, game));
    QCOMPARE(store.Load(migrated->Id)->Operations.back().Leg, 0);
}

void TestMatchStore::SidesPairsAndHandicapsComeBackAndAVersionOneFileIsTakenUp()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("matches.sqlite"));
    // A file written by the first version: its match in play is offered, replays and goes on.
    QVERIFY(QFile::copy(QStringLiteral(VTX_STORE_DATA "/version1.sqlite"), path));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    CMatchStore store(path);
    QVERIFY2(store.Open(), qPrintable(store.Problem()));
    std::optional<TStoredMatch> old = store.LastInPlay();
    QVERIFY(old.has_value());
    QCOMPARE(old->Operations.size(), size_t{7});
    CGame game;
    QVERIFY(Rebuild(game, *old));
    QCOMPARE(game.CurrentLeg()->GetSheet(1)->LastEntry()->Remainder, 20);
    QVERIFY(store.ContinueMatch(old->Id));
    QVERIFY(ApplyOperation(game, Turn(1, 20, 1)));
    QVERIFY(store.Record(Turn(1, 20, 1), game));
    QCOMPARE(store.Load(old->Id)->Operations.size(), size_t{8});
    QSqlQuery version(store.Database());
    QVERIFY(version.exec(QStringLiteral("PRAGMA user_version")) && version.next());
    QCOMPARE(version.value(0).toInt(), 2);
    version.finish();

    // Four pairs with handicaps: names, throwers and start scores come back as given.
    TGameParams params = SetsMatch();
    params.PlayerCount = 4;
    params.PlayerNames = {"Anna & Ben", "Cleo & Dan", "Eve & Finn", "Gus & Hal"};
    params.ThrowerNames = {"Anna", "Ben", "Cleo", "Dan", "Eve", "Finn", "Gus", "Hal"};
    params.StartScores = {101, 81, 101, 40};
    params.TeamSize = 2;
    params.StartScore = 101;
    CGame pairs;
    pairs.NewGame(params);
    PlayAndRecord(store, pairs, {Turn(0, 60), Turn(1, 40), Turn(2, 1), Turn(3, -1, 1)});
    const std::optional<TStoredMatch> stored = store.LastInPlay();
    QVERIFY(stored.has_value());
    QCOMPARE(stored->Params.PlayerNames, pairs.Params().PlayerNames);
    QCOMPARE(stored->Params.ThrowerNames, params.ThrowerNames);
    QCOMPARE(stored->Params.StartScores, params.StartScores);
    QCOMPARE(stored->Params.TeamSize, 2);
    CGame rebuilt;
    QVERIFY(Rebuild(rebuilt, *stored));
    QVERIFY(rebuilt.CurrentLeg()->GetSheet(3)->Won()); // Gus checked out 40 with one dart
    QCOMPARE(Describe(*stored).section(QStringLiteral(" \u00B7 "), 0, 0),
             QStringLiteral("Anna & Ben v Cleo & Dan v Eve & Finn v Gus & Hal"));
    const QStringList rows = QString::fromUtf8(MatchCsv(*stored)).split(QStringLiteral("\r\n"));
    QVERIFY(rows[0].endsWith(QStringLiteral(",Darts claimed,Thrower")));
    QCOMPARE(rows[4], QStringLiteral("1,1,Gus & Hal,1,40,0,1,Gus"));
    QCOMPARE(store.PlayerRecord(QStringLiteral("Gus & Hal")).LegsWon, 1);
}

QTEST_GUILESS_MAIN(TestMatchStore)
#include "MatchStoreTest.moc"

// Turns entered dart by dart are stored with their darts and replayed by them; the row keeps
// the total and claim they made, which is all an older program reads.
void TestMatchStore::DartTurnsComeBackWithTheirDarts()
{
    QTemporaryDir dir;
    CMatchStore store(dir.filePath(QStringLiteral("matches.sqlite")));
    QVERIFY(store.Open());
    CGame game;
    game.NewGame(SetsMatch());
    TMatchOperation darts = Turn(0, 41);
    darts.Thrown = {{20, 1}, {1, 1}, {20, 1}};
    TMatchOperation finish = Turn(0, 60, 2);
    finish.Thrown = {{20, 1}, {20, 2}};
    PlayAndRecord(store, game, {darts, Turn(1, 26), finish});
    QVERIFY(game.CurrentLeg()->GetSheet(0)->Won());
    const std::optional<TStoredMatch> stored = store.Load(store.CurrentMatch());
    QCOMPARE(stored->Operations.size(), size_t{3});
    QVERIFY(stored->Operations[0] == darts);
    QVERIFY(stored->Operations[1].Thrown.empty());
    QVERIFY(stored->Operations[2] == finish);
    CGame rebuilt;
    QVERIFY(Rebuild(rebuilt, *stored));
    QVERIFY(SameMatch(rebuilt, game));
    QCOMPARE(rebuilt.DoubleAttempts(0)[19], std::make_pair(1, 1)); // S20 from 60, D20 from 40
    // A row of darts that cannot be thrown is not used: its turn replays as its total.
    QSqlQuery spoil(store.Database());
    QVERIFY(spoil.exec(QStringLiteral("UPDATE turn_darts SET dart2 = 103 WHERE seq = 1")));
    QVERIFY(store.Load(store.CurrentMatch())->Operations[0].Thrown.empty());

    // The entry mode is the match's own: totals with darts stored (the computer's), darts
    // before any dart turn; a match stored before the mode was kept is guessed from its darts.
    const struct
    {
        bool EnterDarts;
        TOps Played;
        bool Forget; // as an older version stored it: no mode row
        bool Resumed;
    } modes[] = {
        {false, {darts}, false, false},     {true, {}, false, true},
        {true, {Turn(0, 60)}, false, true}, {false, {darts}, true, true},
        {true, {Turn(0, 60)}, true, false},
    };
    for (const auto& mode : modes) {
        TGameParams params = SetsMatch();
        params.EnterDarts = mode.EnterDarts;
        game.NewGame(params);
        PlayAndRecord(store, game, mode.Played);
        if (mode.Forget) {
            QVERIFY(spoil.exec(QStringLiteral("DELETE FROM entry_modes WHERE match_id = %1")
                                   .arg(store.CurrentMatch())));
        }
        QCOMPARE(store.Load(store.CurrentMatch())->Params.EnterDarts, mode.Resumed);
    }
}

// A hand-spoilt row of a stored match is read as a safe value and said; the rest of the match
// is kept (a side row too many does not throw away the sides that fit).
void TestMatchStore::RowsNoMatchHoldsAreReadSafelyAndSaid()
{
    TGameParams pairs;
    pairs.PlayerCount = 4;
    pairs.TeamSize = 2;
    pairs.StartScore = 501;
    pairs.StartScores = {501, 401, 301, 201};
    pairs.PlayerNames = {"A", "B", "C", "D"};
    pairs.ThrowerNames = {"a1", "a2", "b1", "b2", "c1", "c2", "d1", "d2"};
    TGameParams computer = SetsMatch();
    computer.ComputerAverages = {0, 60};
    computer.ComputerSeed = 7;
    const QString huge(70000, u'x');
    const struct
    {
        const TGameParams& Params;
        QString Spoil;
        QString Said;
        std::function<bool(const TStoredMatch&)> Read;
    } rows[] = {
        {pairs, QStringLiteral("INSERT INTO sides VALUES(%1, 9, 'X', 99, 2, 'x', 'y')"),
         QStringLiteral("side 10"),
         [](const TStoredMatch& m) {
             return m.Params.StartScores == std::vector<int32_t>{501, 401, 301, 201} &&
                    m.Params.ThrowerNames[7] == "d2";
         }},
        {pairs, QStringLiteral("DELETE FROM sides WHERE match_id = %1 AND side = 2"),
         QStringLiteral("side 3 had no row"),
         [](const TStoredMatch& m) {
             return m.Params.StartScores[3] == 201 && m.Params.PlayerNames[1] == "B";
         }},
        {pairs, QStringLiteral("UPDATE matches SET player_count = 1000 WHERE id = %1"),
         QStringLiteral("1000 players were read as 4"),
         [](const TStoredMatch& m) { return m.Params.PlayerNames[3] == "D"; }},
        {pairs, QStringLiteral("UPDATE matches SET player_count = 0 WHERE id = %1"),
         QStringLiteral("0 players were read as 4"),
         [](const TStoredMatch& m) { return m.Params.PlayerCount == 4; }},
        {pairs, QStringLiteral("UPDATE sides SET name = '%2' WHERE match_id = %1 AND side = 0"),
         QString(),
         [](const TStoredMatch& m) { return m.Params.PlayerNames[0] == std::string(64, 'x'); }},
        {pairs, QStringLiteral("UPDATE matches SET game = 'Snooker' WHERE id = %1"),
         QStringLiteral("\"Snooker\" is not one this version plays; it goes on as X01 from 501"),
         [](const TStoredMatch& m) { return m.Params.PlayerCount == 4; }},
        {computer, QStringLiteral("UPDATE computers SET average = 1e9 WHERE match_id = %1"),
         QStringLiteral("read as 110"),
         [](const TStoredMatch& m) { return m.Params.ComputerAverages[1] == 110; }},
        {computer, QStringLiteral("UPDATE computers SET average = -5 WHERE match_id = %1"),
         QStringLiteral("average -5 of side 2 was read as 20"),
         [](const TStoredMatch& m) { return m.Params.ComputerAverages[1] == 20; }},
        {computer, QStringLiteral("UPDATE computers SET average = 'NaN' WHERE match_id = %1"),
         QStringLiteral("average NaN of side 2 was read as 20"),
         [](const TStoredMatch& m) { return m.Params.ComputerAverages[1] == 20; }},
        {computer, QStringLiteral("UPDATE computers SET seed = 'abc' WHERE match_id = %1"),
         QStringLiteral("seed \"abc\" is no number"),
         [](const TStoredMatch& m) {
             return m.Params.ComputerSeed == 0 && m.Params.ComputerAverages[1] == 60;
         }},
    };
    for (const auto& row : rows) {
        QTemporaryDir dir;
        CMatchStore store(dir.filePath(QStringLiteral("matches.sqlite")));
        QVERIFY(store.Open());
        QVERIFY(store.BeginMatch(QStringLiteral("Standard 501"), row.Params));
        QSqlQuery spoil(store.Database());
        QVERIFY2(spoil.exec(row.Spoil.arg(store.CurrentMatch()).arg(huge)), qPrintable(row.Spoil));
        const std::optional<TStoredMatch> read = store.Load(store.CurrentMatch());
        QVERIFY(read.has_value());
        const QString said = read->Problems.join(u'|');
        QVERIFY2(row.Said.isEmpty() ? said.isEmpty() : said.contains(row.Said),
                 qPrintable(row.Spoil + u' ' + said));
        QVERIFY2(row.Read(*read), qPrintable(row.Spoil));
    }
    // A stored name of any length is listed, and found, at 64 characters.
    QTemporaryDir dir;
    CMatchStore store(dir.filePath(QStringLiteral("matches.sqlite")));
    QVERIFY(store.Open());
    TGameParams named = SetsMatch();
    named.Player1Name = huge.toStdString();
    QVERIFY(store.BeginMatch(QStringLiteral("Standard 501"), named));
    QVERIFY(store.PlayerNames().contains(QString(64, u'x')));
    QCOMPARE(store.PlayerRecord(QString(64, u'x')).MatchesPlayed, 1);
    QCOMPARE(CutName(QString(63, u'x') + QStringLiteral("\U0001F3AF")), QString(63, u'x'));
}

// The journal deleted while the store is open: the next write notices, what it held is in the
// store file, and what is recorded after it is on disk for any other reader.
void TestMatchStore::AJournalDeletedInUseLosesNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("matches.sqlite"));
    CMatchStore store(path);
    QVERIFY(store.Open());
    CGame game;
    game.NewGame(SetsMatch());
    PlayAndRecord(store, game, {Turn(0, 60), Turn(1, 45)});
    QVERIFY(QFile::remove(path + QStringLiteral("-wal")));
    for (const TMatchOperation& turn : {Turn(0, 20), Turn(1, 20), Turn(0, 1)}) {
        QVERIFY(ApplyOperation(game, turn));
        QVERIFY(store.Record(turn, game));
    }
    QVERIFY2(store.Problem().contains(QStringLiteral("-wal was deleted while in use")),
             qPrintable(store.Problem()));
    QVERIFY(QFileInfo::exists(path + QStringLiteral("-wal")));
    // What a killed program leaves: the store file and its journal, copied as they are.
    QVERIFY(QFile::copy(path, dir.filePath(QStringLiteral("copy.sqlite"))));
    QVERIFY(QFile::copy(path + QStringLiteral("-wal"),
                        dir.filePath(QStringLiteral("copy.sqlite-wal"))));
    CMatchStore copy(dir.filePath(QStringLiteral("copy.sqlite")));
    QVERIFY(copy.Open());
    QCOMPARE(copy.Load(store.CurrentMatch())->Operations.size(), size_t{5});
}
