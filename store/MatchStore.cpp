#include "store/MatchStore.h"

#include "games/GamesMatch.h"
#include "games/MatchFactory.h"
#include "store/StoreCheck.h"
#include "store/StoreFile.h"
#include "store/StoreSalvage.h"
#include "store/StoredDarts.h"
#include "store/StoredSides.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <atomic>

namespace {

// Statements that take the schema from one version to the next; entry i goes from i to i + 1.
const char* const kMigrations[] = {
    "CREATE TABLE matches("
    " id INTEGER PRIMARY KEY, started TEXT NOT NULL, updated TEXT NOT NULL,"
    " state INTEGER NOT NULL DEFAULT 0, game TEXT NOT NULL,"
    " player_count INTEGER NOT NULL, first_player INTEGER NOT NULL,"
    " start_score INTEGER NOT NULL, target_score INTEGER NOT NULL,"
    " count_up INTEGER NOT NULL, checkout_rule INTEGER NOT NULL,"
    " player1 TEXT NOT NULL, player2 TEXT NOT NULL,"
    " legs_to_win INTEGER NOT NULL, sets_to_win INTEGER NOT NULL,"
    " winner INTEGER NOT NULL DEFAULT -1, legs INTEGER NOT NULL DEFAULT 1,"
    " score TEXT NOT NULL DEFAULT '');"
    "CREATE INDEX matches_state ON matches(state);"
    "CREATE TABLE operations("
    " match_id INTEGER NOT NULL, seq INTEGER NOT NULL, kind INTEGER NOT NULL,"
    " player INTEGER NOT NULL, entry INTEGER NOT NULL, score INTEGER NOT NULL,"
    " darts INTEGER NOT NULL, PRIMARY KEY(match_id, seq)) WITHOUT ROWID;"
    "CREATE TABLE player_stats("
    " match_id INTEGER NOT NULL, player INTEGER NOT NULL, name TEXT NOT NULL,"
    " legs_played INTEGER NOT NULL, legs_won INTEGER NOT NULL, points INTEGER NOT NULL,"
    " darts INTEGER NOT NULL, highest_turn INTEGER NOT NULL, count180 INTEGER NOT NULL,"
    " highest_checkout INTEGER NOT NULL, PRIMARY KEY(match_id, player)) WITHOUT ROWID;"
    "CREATE INDEX player_stats_name ON player_stats(name);",
    // The leg of a correction of an earlier leg; -1: the leg in play.
    "ALTER TABLE operations ADD COLUMN leg INTEGER NOT NULL DEFAULT -1;",
};
static_assert(std::size(kMigrations) == CMatchStore::kSchemaVersion);

QString Now()
{
    return QDateTime::currentDateTime().toString(Qt::ISODate);
}

// Names are stored clean whatever gave them (a hand-edited settings file included).
QString PlayerName(const TGameParams& params, int32_t player)
{
    return CleanName(QString::fromStdString(SideName(params, player)));
}

} // namespace

QString CMatchStore::DefaultPath()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base)) {
        base = QDir::homePath() + QStringLiteral("/.local/share");
    }
    return base + QStringLiteral("/vantorix/matches.sqlite");
}

CMatchStore::CMatchStore(QString path, QString connectOptions)
    : m_Path(std::move(path)), m_ConnectOptions(std::move(connectOptions))
{
    static std::atomic<int> counter{0};
    m_Connection = QStringLiteral("vantorix-store-%1").arg(counter++);
}

CMatchStore::~CMatchStore()
{
    CloseConnection();
    if (QSqlDatabase::contains(m_Connection)) {
        QSqlDatabase::removeDatabase(m_Connection);
    }
}

QSqlDatabase CMatchStore::Database() const
{
    return m_Open ? QSqlDatabase::database(m_Connection, false) : QSqlDatabase();
}

bool CMatchStore::Fail(const QString& problem, bool retry)
{
    m_Problem = problem;
    CloseConnection(true);
    m_Retry = retry;
    m_Behind = m_Behind || retry;
    return false;
}

QString CMatchStore::Reason(const QSqlError& error) const
{
    const int code = PrimaryCode(error);
    if (code == kSqliteBusy || code == kSqliteLocked) {
        return QCoreApplication::translate("CMatchStore", "the store is locked by another program");
    }
    if (code == kSqliteFull) {
        return QCoreApplication::translate("CMatchStore", "the disk is full");
    }
    const QString words = WriteFailureWords(m_Path);
    if (!words.isEmpty()) {
        return words;
    }
    if (code == kSqliteReadOnly || code == kSqlitePerm || code == kSqliteCantOpen ||
        code == kSqliteIoError) {
        return QCoreApplication::translate("CMatchStore", "%1 cannot be written (%2)")
            .arg(m_Path, error.text());
    }
    return QCoreApplication::translate("CMatchStore", "%1 cannot be used (%2)")
        .arg(m_Path, error.text());
}

void CMatchStore::CloseConnection(bool rollback)
{
    m_Statements = {}; // a statement kept prepared would hold the connection
    QSqlDatabase database = QSqlDatabase::database(m_Connection, false);
    if (database.isOpen()) {
        if (rollback) {
            database.rollback();
        }
        database.close();
    }
    m_Open = false;
}

QSqlQuery& CMatchStore::Statement(TStatement which, const QString& text)
{
    std::optional<QSqlQuery>& statement = m_Statements[which];
    if (!statement) {
        statement.emplace(QSqlDatabase::database(m_Connection, false));
        statement->prepare(text);
    }
    return *statement;
}

bool CMatchStore::Exec(const QString& statement)
{
    QSqlQuery query(QSqlDatabase::database(m_Connection, false));
    return query.exec(statement);
}

// A damaged file, with its journal files, is kept for whoever wants to look at it under a name
// no earlier one has, and a fresh one is made.
bool CMatchStore::SetAside()
{
    CloseConnection();
    const QString aside = KeptAsidePath(m_Path);
    if (!QFile::rename(m_Path, aside)) {
        return false;
    }
    for (const char* side : {"-wal", "-shm"}) {
        const QString file = m_Path + QLatin1String(side);
        if (QFileInfo::exists(file)) {
            QFile::rename(file, aside + QLatin1String(side));
        }
    }
    m_Problem = QCoreApplication::translate(
                    "CMatchStore", "%1 was damaged; it is kept as %2 and a new one was made")
                    .arg(m_Path, aside);
    m_DamagedPath = aside;
    return true;
}

bool CMatchStore::OpenConnection()
{
    QSqlDatabase database =
        QSqlDatabase::contains(m_Connection)
            ? QSqlDatabase::database(m_Connection, false)
            : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_Connection);
    database.setDatabaseName(m_Path);
    // A reader never writes: a second program only looks.
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyMilliseconds);
    if (!m_Writer) {
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    }
    if (!m_ConnectOptions.isEmpty()) {
        options += u';' + m_ConnectOptions;
    }
    database.setConnectOptions(options);
    if (!database.open()) {
        return Fail(Reason(database.lastError()), true);
    }
    m_Open = true;
    m_FailingFast = false;
    QSqlQuery timeout(database);
    if (timeout.exec(QStringLiteral("PRAGMA busy_timeout")) && timeout.next()) {
        m_BusyTimeout = timeout.value(0).toInt();
    }
    return true;
}

// The store opens only a database of its own: made by Vantorix (its application id, or its
// tables in one made before the id was set), or empty.
bool CMatchStore::CheckOwnFile()
{
    QSqlDatabase database = QSqlDatabase::database(m_Connection, false);
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("SELECT (SELECT application_id FROM pragma_application_id),"
                                   " (SELECT user_version FROM pragma_user_version),"
                                   " (SELECT COUNT(*) FROM sqlite_master),"
                                   " (SELECT COUNT(*) FROM sqlite_master WHERE type='table' AND"
                                   "  name IN ('matches', 'operations', 'player_stats'))")) ||
        !query.next()) {
        return Fail(Reason(query.lastError()), true);
    }
    const int application = query.value(0).toInt();
    const int version = query.value(1).toInt();
    const int objects = query.value(2).toInt();
    const bool ourTables = query.value(3).toInt() == 3;
    query.finish();
    const bool empty = objects == 0 && version == 0 && application == 0;
    const bool ours = application == kApplicationId || (application == 0 && ourTables);
    if (!empty && !ours) {
        return Fail(QCoreApplication::translate(
                        "CMatchStore", "%1 is another program's database (application %2, version "
                                       "%3); it is left alone")
                        .arg(m_Path)
                        .arg(application)
                        .arg(version),
                    false);
    }
    if (version > kSchemaVersion) {
        return Fail(QCoreApplication::translate(
                        "CMatchStore", "%1 was written by a newer Vantorix; matches are not saved "
                                       "until it is updated")
                        .arg(m_Path),
                    false);
    }
    if (!m_Writer) {
        return !empty || Fail(QCoreApplication::translate("CMatchStore", "%1 holds no matches yet")
                                  .arg(m_Path),
                              false);
    }
    // WAL with synchronous NORMAL: a commit is in the file before the window paints it, so a
    // killed process loses nothing; only a power cut can lose the last turns, never the file.
    // A full sync on every turn cost half a millisecond a turn.
    QSqlQuery journal(database);
    const bool wal = journal.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    const QSqlError walError = journal.lastError();
    journal.finish();
    // Nor does a turn wait for the journal to be copied into the file (with a sync): the
    // keeper does that on a thread of its own (CheckpointStoreFile), and closing does it last.
    if (!wal || !Exec(QStringLiteral("PRAGMA synchronous=NORMAL")) ||
        !Exec(QStringLiteral("PRAGMA wal_autocheckpoint=0"))) {
        return Fail(Reason(walError), true);
    }
    if (version < kSchemaVersion && !Migrate(version)) {
        return false;
    }
    // Added within version 2: a file of either kind reads the same in every version 2 program.
    if (!Exec(QString::fromLatin1(kSidesTable)) || !Exec(QString::fromLatin1(kComputersTable)) ||
        !Exec(QString::fromLatin1(kTurnDartsTable)) ||
        !Exec(QString::fromLatin1(kEntryModesTable)) ||
        !Exec(QString::fromLatin1(kMatchSeedsTable))) {
        return Fail(Reason(database.lastError()), true);
    }
    if (application == 0 && !Exec(QStringLiteral("PRAGMA application_id=%1").arg(kApplicationId))) {
        return Fail(Reason(database.lastError()), true);
    }
    return true;
}

bool CMatchStore::Open()
{
    m_LastOpen.start();
    CloseConnection();
    m_Retry = false;
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        return Fail(
            QCoreApplication::translate("CMatchStore", "the SQLite driver of Qt is not installed"),
            false);
    }
    const QString refusal = WriteRefusal(m_Path);
    if (!refusal.isEmpty()) {
        return Fail(refusal, false);
    }
    const QString folder = QFileInfo(m_Path).absolutePath();
    if (!QDir().mkpath(folder)) {
        const QString words = WriteFailureWords(folder + QStringLiteral("/."));
        return Fail(QCoreApplication::translate("CMatchStore", "cannot make the folder %1%2")
                        .arg(folder, words.isEmpty() ? QString() : QStringLiteral(": ") + words),
                    true);
    }
    // One writer: a second program reads only, until it starts again after the first is
    // gone. A lock left by a killed process is stale (its process is gone) and taken over.
    if (m_Lock == nullptr) {
        m_Lock = std::make_unique<QLockFile>(m_Path + QStringLiteral(".lock"));
        m_Lock->setStaleLockTime(0);
    }
    m_Writer = m_Lock->isLocked() || m_Lock->tryLock(0);
    const bool otherWriter = !m_Writer && m_Lock->error() == QLockFile::LockFailedError;
    if (!m_Writer && !QFileInfo::exists(m_Path)) {
        const QString words = WriteFailureWords(m_Path);
        return Fail(otherWriter ? QCoreApplication::translate(
                                      "CMatchStore", "another Vantorix is recording into %1")
                                      .arg(m_Path)
                    : words.isEmpty()
                        ? QCoreApplication::translate("CMatchStore", "cannot lock %1").arg(m_Path)
                        : words,
                    !otherWriter);
    }
    if (m_Writer) {
        // A journal file left unwritable (the store was made read-only while it was open)
        // would stop every start after the store is writable again.
        const QFile::Permissions mode = QFileInfo(m_Path).permissions();
        for (const char* side : {"-wal", "-shm"}) {
            const QFileInfo file(m_Path + QLatin1String(side));
            if (file.isFile() && !file.isSymLink() && file.permissions() != mode &&
                (mode & QFile::WriteOwner)) {
                QFile::setPermissions(file.filePath(), mode);
            }
        }
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!OpenConnection()) {
            return false;
        }
        // Only the schema is read here, whatever the file's size: a file that is no database
        // or whose first pages are damaged shows now. The whole file is checked apart
        // (CheckStoreFile), off the start's path, and damage found in play shows where SQLite
        // reads.
        QSqlQuery check(QSqlDatabase::database(m_Connection, false));
        const bool ran =
            check.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master")) && check.next();
        const QSqlError error = check.lastError();
        const bool damaged = !ran && IsDamage(error);
        check.finish(); // a statement left open would hold a transaction
        if (!ran && !damaged) {
            return Fail(Reason(error), true); // the file is left exactly as it is
        }
        if (!damaged) {
            break;
        }
        if (!m_Writer) {
            return Fail(QCoreApplication::translate("CMatchStore", "%1 is damaged").arg(m_Path),
                        false);
        }
        if (attempt > 0 || !SetAside()) {
            return Fail(
                QCoreApplication::translate("CMatchStore", "%1 is damaged and cannot be set aside")
                    .arg(m_Path),
                false);
        }
    }
    if (!CheckOwnFile()) {
        return false;
    }
    if (!m_DamagedPath.isEmpty()) {
        // Every match that still reads goes on in the new store.
        QSqlDatabase database = QSqlDatabase::database(m_Connection, false);
        const TSalvage salvage = SalvageMatches(database, m_DamagedPath);
        m_Problem +=
            QCoreApplication::translate(
                "CMatchStore", ", with %1 of the %2 matches that could be read carried over")
                .arg(salvage.Saved)
                .arg(salvage.Found);
        m_DamagedPath.clear();
    }
    if (!m_Writer) {
        // History can be read; another Vantorix keeps the store until this one starts again,
        // a folder that cannot be written is tried again at the next operation.
        const QString words = WriteFailureWords(m_Path + QStringLiteral(".lock"));
        m_Problem =
            otherWriter
                ? QCoreApplication::translate(
                      "CMatchStore", "another Vantorix is recording into %1; this one records "
                                     "nothing (History can be read)")
                      .arg(m_Path)
                : QCoreApplication::translate("CMatchStore",
                                              "%1; nothing is recorded until it can be written "
                                              "(History can be read)")
                      .arg(words.isEmpty()
                               ? QCoreApplication::translate("CMatchStore", "%1 cannot be locked")
                                     .arg(m_Path)
                               : words);
        m_Retry = !otherWriter;
        m_Behind = m_Behind || m_Retry;
    }
    return true;
}

bool CMatchStore::SetDamagedAside()
{
    if (!m_Open || !m_Writer) {
        return false;
    }
    if (!SetAside()) {
        return Fail(
            QCoreApplication::translate("CMatchStore", "%1 is damaged and cannot be set aside")
                .arg(m_Path),
            false);
    }
    m_Recording = false;
    m_MatchId = 0;
    m_FoundDamaged = false;
    return Open();
}

void CMatchStore::JournalLost()
{
    // Closing the last connection checkpoints the journal it still holds open into the store
    // file; opened again, SQLite starts a new journal beside it.
    QSqlQuery(QSqlDatabase::database(m_Connection, false))
        .exec(QStringLiteral("PRAGMA wal_checkpoint(FULL)"));
    CloseConnection();
    if (!OpenConnection() || !Exec(QStringLiteral("PRAGMA journal_mode=WAL")) ||
        !Exec(QStringLiteral("PRAGMA synchronous=NORMAL")) ||
        !Exec(QStringLiteral("PRAGMA wal_autocheckpoint=0"))) {
        Fail(QCoreApplication::translate(
                 "CMatchStore", "the journal %1-wal was deleted while in use and the store could "
                                "not be opened again")
                 .arg(m_Path),
             true);
        return;
    }
    m_Problem = QCoreApplication::translate(
                    "CMatchStore", "the journal %1-wal was deleted while in use; what it held is "
                                   "saved in %1 and recording goes on")
                    .arg(m_Path);
}

bool CMatchStore::Migrate(int fromVersion)
{
    QSqlDatabase database = QSqlDatabase::database(m_Connection, false);
    if (!database.transaction()) {
        return Fail(Reason(database.lastError()), true);
    }
    for (int version = fromVersion; version < kSchemaVersion; ++version) {
        const QStringList statements =
            QString::fromLatin1(kMigrations[version]).split(u';', Qt::SkipEmptyParts);
        for (const QString& statement : statements) {
            QSqlQuery query(database);
            if (!query.exec(statement)) {
                return Fail(Reason(query.lastError()), true);
            }
        }
    }
    if (!Exec(QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion)) || !database.commit()) {
        return Fail(Reason(database.lastError()), true);
    }
    return true;
}

bool CMatchStore::BeginMatch(const QString& gameName, const TGameParams& params)
{
    m_Recording = true;
    m_KeepFigures = false;
    m_MatchId = 0;
    m_Sequence = 0;
    m_UnwrittenStart.emplace(gameName, params);
    m_Unwritten.clear();
    return WriteUnwritten(nullptr);
}

bool CMatchStore::InsertMatch(QSqlError& error)
{
    const auto& [gameName, params] = *m_UnwrittenStart;
    QSqlDatabase database = QSqlDatabase::database(m_Connection, false);
    QSqlQuery query(database);
    query.prepare(QStringLiteral(
        "INSERT INTO matches(started, updated, game, player_count, first_player, start_score,"
        " target_score, count_up, checkout_rule, player1, player2, legs_to_win, sets_to_win)"
        " VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    const QString now = Now();
    for (const QVariant& value :
         {QVariant(now), QVariant(now), QVariant(gameName), QVariant(params.PlayerCount),
          QVariant(params.FirstPlayer), QVariant(params.StartScore), QVariant(params.TargetScore),
          QVariant(params.CountUp ? 1 : 0), QVariant(params.CheckOutRule ? 1 : 0),
          QVariant(PlayerName(params, 0)), QVariant(PlayerName(params, 1)),
          QVariant(params.LegsToWin), QVariant(params.SetsToWin)}) {
        query.addBindValue(value);
    }
    QSqlQuery abandon(database);
    if (!abandon.exec(QStringLiteral("UPDATE matches SET state=2 WHERE state=0"))) {
        error = abandon.lastError();
        return false;
    }
    if (!query.exec()) {
        error = query.lastError();
        return false;
    }
    m_MatchId = query.lastInsertId().toLongLong();
    if ((UsesSides(params) && !WriteSides(database, m_MatchId, params, error)) ||
        (UsesComputers(params) && !WriteComputers(database, m_MatchId, params, error)) ||
        !WriteEntryMode(database, m_MatchId, params.EnterDarts, error) ||
        (!UsesComputers(params) &&
         !WriteMatchSeed(database, m_MatchId, params.ComputerSeed, error))) {
        return false;
    }
    for (int32_t player = 0; player < params.PlayerCount; ++player) {
        QSqlQuery stats(database);
        stats.prepare(
            QStringLiteral("INSERT INTO player_stats VALUES(?, ?, ?, 1, 0, 0, 0, 0, 0, 0)"));
        stats.addBindValue(QVariant::fromValue(m_MatchId));
        stats.addBindValue(player);
        stats.addBindValue(PlayerName(params, player));
        if (!stats.exec()) {
            error = stats.lastError();
            return false;
        }
    }
    return true;
}

bool CMatchStore::WriteUnwritten(const TMatchFigures* figures)
{
    if (!m_Recording) {
        return false;
    }
    // A store that could not be opened is tried again, but not on every turn: opening and
    // checking it costs more than a turn may.
    if ((!m_Open || !m_Writer) && m_Retry && m_LastOpen.hasExpired(kRetryMilliseconds)) {
        Open();
    }
    if (!m_Open || !m_Writer) {
        return false;
    }
    const auto kept = static_cast<qsizetype>(m_Unwritten.size());
    QSqlDatabase database = QSqlDatabase::database(m_Connection, false);
    // While writes fail, a store still held fails at once rather than holding every turn for
    // the busy timeout; once a write goes through, the next one waits it out again.
    if (m_Behind != m_FailingFast) {
        Exec(QStringLiteral("PRAGMA busy_timeout=%1").arg(m_Behind ? 0 : m_BusyTimeout));
        m_FailingFast = m_Behind;
    }
    const int64_t matchBefore = m_MatchId;
    QSqlError error;
    bool written = database.transaction();
    if (!written) {
        error = database.lastError();
    } else if (m_UnwrittenStart) {
        written = InsertMatch(error);
    }
    int64_t sequence = m_Sequence;
    for (const TMatchOperation& operation : m_Unwritten) {
        if (!written) {
            break;
        }
        QSqlQuery& query =
            Statement(kInsertOperation,
                      QStringLiteral("INSERT INTO operations VALUES(?, ?, ?, ?, ?, ?, ?, ?)"));
        for (const QVariant& value :
             {QVariant::fromValue(m_MatchId), QVariant::fromValue(sequence + 1),
              QVariant(static_cast<int>(operation.Kind)), QVariant(operation.Player),
              QVariant(operation.Entry), QVariant(operation.Score), QVariant(operation.Darts),
              QVariant(operation.Leg)}) {
            query.addBindValue(value);
        }
        written = query.exec();
        error = query.lastError();
        query.finish(); // kept prepared; finished, it holds nothing of the transaction
        ++sequence;
        if (written && !operation.Thrown.empty()) {
            written = WriteTurnDarts(database, m_MatchId, sequence, operation.Thrown, error);
        }
    }
    if (written && figures != nullptr) {
        written = WriteFigures(*figures, error);
    }
    if (written && !database.commit()) {
        written = false;
        error = database.lastError();
    }
    if (!written) {
        database.rollback();
        m_MatchId = matchBefore;
        if (!error.isValid()) {
            error = database.lastError();
        }
        m_Problem = QCoreApplication::translate(
                        "CMatchStore", "%1; what is played is kept in memory and saved once the "
                                       "store takes writes again")
                        .arg(Reason(error));
        m_Behind = true;
        m_FoundDamaged = m_FoundDamaged || IsDamage(error);
        return false;
    }
    m_Sequence = sequence;
    m_UnwrittenStart.reset();
    m_Unwritten.clear();
    // SQLite goes on writing into a journal deleted under it, and all of that is lost with
    // the process; one look at the file after each write (a few microseconds) finds it.
    if (!QFileInfo::exists(m_Path + QStringLiteral("-wal"))) {
        JournalLost();
        return m_Open;
    }
    if (m_Behind) {
        m_Behind = false;
        m_Problem =
            kept == 0 ? QCoreApplication::translate("CMatchStore", "recording goes on")
            : kept == 1
                ? QCoreApplication::translate(
                      "CMatchStore", "recording goes on; the operation kept in memory is saved")
                : QCoreApplication::translate(
                      "CMatchStore", "recording goes on; %n operations kept in memory are saved",
                      nullptr, static_cast<int>(kept));
    }
    return true;
}

bool CMatchStore::ContinueMatch(int64_t id, bool keepFigures)
{
    if (!m_Open || !m_Writer) {
        return false;
    }
    QSqlDatabase database = QSqlDatabase::database(m_Connection, false);
    QSqlQuery query(database);
    query.prepare(QStringLiteral("SELECT COALESCE(MAX(seq), 0) FROM operations WHERE match_id=?"));
    query.addBindValue(QVariant::fromValue(id));
    if (!query.exec() || !query.next()) {
        m_Problem = Reason(query.lastError());
        return false;
    }
    const int64_t sequence = query.value(0).toLongLong();
    query.finish();
    // The resumed match is the one in play; another that was is abandoned, never lost.
    QSqlQuery state(database);
    state.prepare(QStringLiteral("UPDATE matches SET state=CASE WHEN id=? THEN 0 ELSE 2 END"
                                 " WHERE (state=0 OR id=?) AND state<>1"));
    state.addBindValue(QVariant::fromValue(id));
    state.addBindValue(QVariant::fromValue(id));
    if (!state.exec()) {
        m_Problem = Reason(state.lastError());
        return false;
    }
    m_Recording = true;
    m_KeepFigures = keepFigures;
    m_MatchId = id;
    m_Sequence = sequence;
    m_UnwrittenStart.reset();
    m_Unwritten.clear();
    return true;
}

bool CMatchStore::WriteFigures(const TMatchFigures& figures, QSqlError& error)
{
    QSqlQuery& match = Statement(
        kUpdateMatch,
        QStringLiteral(
            "UPDATE matches SET updated=?, state=?, winner=?, legs=?, score=? WHERE id=?"));
    match.addBindValue(Now());
    match.addBindValue(figures.Winner >= 0 ? static_cast<int>(TMatchState::Won)
                                           : static_cast<int>(TMatchState::InPlay));
    match.addBindValue(figures.Winner);
    match.addBindValue(figures.Legs);
    match.addBindValue(figures.Score);
    match.addBindValue(QVariant::fromValue(m_MatchId));
    const bool updated = match.exec();
    error = match.lastError();
    match.finish();
    if (!updated) {
        return false;
    }
    for (size_t player = 0; player < figures.Players.size(); ++player) {
        const TPlayerStats& stats = figures.Players[player];
        QSqlQuery& update = Statement(
            kUpdatePlayer,
            QStringLiteral("UPDATE player_stats SET legs_played=?, legs_won=?, points=?, darts=?,"
                           " highest_turn=?, count180=?, highest_checkout=? WHERE match_id=? AND"
                           " player=?"));
        for (const QVariant& value :
             {QVariant(figures.Legs), QVariant(stats.LegsWon), QVariant(stats.PointsScored),
              QVariant(stats.DartsThrown), QVariant(stats.HighestTurn), QVariant(stats.Count180),
              QVariant(stats.HighestOutShot), QVariant::fromValue(m_MatchId),
              QVariant(static_cast<int>(player))}) {
            update.addBindValue(value);
        }
        const bool updatedPlayer = update.exec();
        error = update.lastError();
        update.finish();
        if (!updatedPlayer) {
            return false;
        }
    }
    return true;
}

bool CMatchStore::Record(const TMatchOperation& operation, const CMatch& match)
{
    TMatchFigures figures{match.MatchWinner(), match.LegCount(), ScoreText(match), {}};
    for (int32_t player = 0; player < match.Sides(); ++player) {
        figures.Players.push_back(match.SideFigures(player));
    }
    return Record(operation, figures);
}

bool CMatchStore::Record(const TMatchOperation& operation, const TMatchFigures& figures)

{
    if (!m_Recording) {
        return false;
    }
    m_Unwritten.push_back(operation);
    return WriteUnwritten(m_KeepFigures ? nullptr : &figures);
}

std::optional<TStoredMatch> CMatchStore::LastInPlay() const
{
    if (!m_Open || !m_Writer) {
        return std::nullopt;
    }
    QSqlQuery query(QSqlDatabase::database(m_Connection, false));
    if (!query.exec(QStringLiteral("SELECT id FROM matches WHERE state=0 ORDER BY id DESC "
                                   "LIMIT 1")) ||
        !query.next()) {
        return std::nullopt;
    }
    return Load(query.value(0).toLongLong());
}

std::optional<TStoredMatch> CMatchStore::Load(int64_t id) const
{
    return m_Open ? Queries().Load(id) : std::nullopt;
}

CMatchQueries CMatchStore::Queries() const
{
    return CMatchQueries(QSqlDatabase::database(m_Connection, false));
}

bool CMatchStore::Delete(int64_t id)
{
    if (!m_Open || !m_Writer) {
        return false;
    }
    if (m_Recording && id == m_MatchId) {
        m_Problem = QCoreApplication::translate("CMatchStore", "This is the match in play");
        return false;
    }
    QSqlDatabase database = QSqlDatabase::database(m_Connection, false);
    if (!database.transaction()) {
        m_Problem = Reason(database.lastError());
        return false;
    }
    for (const char* table : {"operations", "player_stats", "sides", "computers", "turn_darts",
                              "entry_modes", "match_seeds"}) {
        QSqlQuery query(database);
        query.prepare(QStringLiteral("DELETE FROM %1 WHERE match_id=?").arg(QLatin1String(table)));
        query.addBindValue(QVariant::fromValue(id));
        if (!query.exec()) {
            m_Problem = Reason(query.lastError());
            database.rollback();
            return false;
        }
    }
    QSqlQuery query(database);
    query.prepare(QStringLiteral("DELETE FROM matches WHERE id=?"));
    query.addBindValue(QVariant::fromValue(id));
    if (!query.exec() || !database.commit()) {
        m_Problem = Reason(query.lastError().isValid() ? query.lastError() : database.lastError());
        database.rollback();
        return false;
    }
    return true;
}

TPlayerRecord CMatchStore::PlayerRecord(const QString& name) const
{
    return m_Open ? ReadPlayerRecord(QSqlDatabase::database(m_Connection, false), name)
                  : TPlayerRecord{};
}

std::vector<std::pair<QDateTime, double>> CMatchStore::PlayerAverages(const QString& name) const
{
    return m_Open ? ReadPlayerAverages(QSqlDatabase::database(m_Connection, false), name)
                  : std::vector<std::pair<QDateTime, double>>{};
}

QStringList CMatchStore::PlayerNames() const
{
    return m_Open ? ReadPlayerNames(QSqlDatabase::database(m_Connection, false)) : QStringList{};
}
