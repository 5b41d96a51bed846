#include "MatchStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>

namespace {

const QString kDot = QStringLiteral(" \u00B7 ");

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
};
static_assert(std::size(kMigrations) == CMatchStore::kSchemaVersion);

QString Now()
{
    return QDateTime::currentDateTime().toString(Qt::ISODate);
}

QString PlayerName(const TGameParams& params, int32_t player)
{
    return QString::fromStdString(player == 1 ? params.Player2Name : params.Player1Name);
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
    {
        QSqlDatabase database = QSqlDatabase::database(m_Connection, false);
        if (database.isValid()) {
            database.close();
        }
    }
    if (QSqlDatabase::contains(m_Connection)) {
        QSqlDatabase::removeDatabase(m_Connection);
    }
}

QSqlDatabase CMatchStore::Database() const
{
    return m_Open ? QSqlDatabase::database(m_Connection, false) : QSqlDatabase();
}

bool CMatchStore::Fail(const QString& what, const QString& error)
{
    m_Problem = error.isEmpty() ? what : QStringLiteral("%1 (%2)").arg(what, error);
    if (m_Open) {
        QSqlDatabase database = QSqlDatabase::database(m_Connection, false);
        database.rollback();
        database.close();
    }
    m_Open = false;
    return false;
}

bool CMatchStore::Exec(const QString& statement)
{
    QSqlQuery query(QSqlDatabase::database(m_Connection, false));
    return query.exec(statement);
}

// A file that is no database is kept for whoever wants to look at it, and a fresh one made.
bool CMatchStore::SetAside()
{
    {
        QSqlDatabase database = QSqlDatabase::database(m_Connection, false);
        database.close();
    }
    const QString aside = m_Path + QStringLiteral(".bad");
    QFile::remove(aside);
    QFile::remove(m_Path + QStringLiteral("-wal"));
    QFile::remove(m_Path + QStringLiteral("-shm"));
    return QFile::rename(m_Path, aside);
}

bool CMatchStore::Open()
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        return Fail(QStringLiteral("the SQLite driver of Qt is not installed"), {});
    }
    if (!QDir().mkpath(QFileInfo(m_Path).absolutePath())) {
        return Fail(QStringLiteral("cannot make the folder of %1").arg(m_Path), {});
    }
    QSqlDatabase database =
        QSqlDatabase::contains(m_Connection)
            ? QSqlDatabase::database(m_Connection, false)
            : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_Connection);
    database.setDatabaseName(m_Path);
    // Another program holding the file waits a moment, then play goes on without it.
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=250");
    if (!m_ConnectOptions.isEmpty()) {
        options += u';' + m_ConnectOptions;
    }
    database.setConnectOptions(options);
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!database.open()) {
            return Fail(QStringLiteral("cannot open %1").arg(m_Path), database.lastError().text());
        }
        m_Open = true;
        QSqlQuery check(database);
        const bool readable = check.exec(QStringLiteral("PRAGMA quick_check")) && check.next() &&
                              check.value(0).toString() == u"ok";
        check.finish(); // a statement left open would hold a transaction
        if (readable) {
            break;
        }
        const QString error = check.lastError().text();
        if (error.contains(QStringLiteral("locked"), Qt::CaseInsensitive) ||
            error.contains(QStringLiteral("busy"), Qt::CaseInsensitive)) {
            return Fail(QStringLiteral("%1 is in use by another program").arg(m_Path), {});
        }
        m_Open = false;
        if (attempt > 0 || !SetAside()) {
            return Fail(QStringLiteral("%1 is damaged and cannot be set aside").arg(m_Path), error);
        }
        m_Problem = QStringLiteral("%1 was damaged; it is kept as %1.bad and a new one was made")
                        .arg(m_Path);
    }
    QSqlQuery version(database);
    if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next()) {
        return Fail(QStringLiteral("cannot read %1").arg(m_Path), version.lastError().text());
    }
    const int stored = version.value(0).toInt();
    version.finish();
    if (stored > kSchemaVersion) {
        return Fail(QStringLiteral("%1 was written by a newer Vantorix; matches are not saved "
                                   "until it is updated")
                        .arg(m_Path),
                    {});
    }
    // WAL with synchronous NORMAL: a commit is in the file before the window paints it, so a
    // killed process loses nothing; only a power cut can lose the last turns, never the file.
    // A full sync on every turn cost half a millisecond a turn.
    QSqlQuery journal(database);
    const bool wal = journal.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    journal.finish();
    if (!wal || !Exec(QStringLiteral("PRAGMA synchronous=NORMAL"))) {
        return Fail(QStringLiteral("cannot write %1").arg(m_Path), journal.lastError().text());
    }
    return stored == kSchemaVersion || Migrate(stored);
}

bool CMatchStore::Migrate(int fromVersion)
{
    QSqlDatabase database = QSqlDatabase::database(m_Connection, false);
    if (!database.transaction()) {
        return Fail(QStringLiteral("cannot write %1").arg(m_Path), database.lastError().text());
    }
    for (int version = fromVersion; version < kSchemaVersion; ++version) {
        const QStringList statements =
            QString::fromLatin1(kMigrations[version]).split(u';', Qt::SkipEmptyParts);
        for (const QString& statement : statements) {
            QSqlQuery query(database);
            if (!query.exec(statement)) {
                return Fail(QStringLiteral("cannot prepare %1").arg(m_Path),
                            query.lastError().text());
            }
        }
    }
    if (!Exec(QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion)) || !database.commit()) {
        return Fail(QStringLiteral("cannot prepare %1").arg(m_Path), database.lastError().text());
    }
    return true;
}

bool CMatchStore::BeginMatch(const QString& gameName, const TGameParams& params)
{
    if (!m_Open) {
        return false;
    }
    QSqlDatabase database = QSqlDatabase::database(m_Connection, false);
    if (!database.transaction()) {
        return Fail(QStringLiteral("cannot save the match"), database.lastError().text());
    }
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
          QVariant(QString::fromStdString(params.Player1Name)),
          QVariant(QString::fromStdString(params.Player2Name)), QVariant(params.LegsToWin),
          QVariant(params.SetsToWin)}) {
        query.addBindValue(value);
    }
    if (!Exec(QStringLiteral("UPDATE matches SET state=2 WHERE state=0")) || !query.exec()) {
        return Fail(QStringLiteral("cannot save the match"), query.lastError().text());
    }
    m_MatchId = query.lastInsertId().toLongLong();
    m_Sequence = 0;
    for (int32_t player = 0; player < params.PlayerCount && player < 2; ++player) {
        QSqlQuery stats(database);
        stats.prepare(
            QStringLiteral("INSERT INTO player_stats VALUES(?, ?, ?, 1, 0, 0, 0, 0, 0, 0)"));
        stats.addBindValue(QVariant::fromValue(m_MatchId));
        stats.addBindValue(player);
        stats.addBindValue(PlayerName(params, player));
        if (!stats.exec()) {
            return Fail(QStringLiteral("cannot save the match"), stats.lastError().text());
        }
    }
    if (!database.commit()) {
        return Fail(QStringLiteral("cannot save the match"), database.lastError().text());
    }
    return true;
}

bool CMatchStore::ContinueMatch(int64_t id)
{
    if (!m_Open) {
        return false;
    }
    QSqlQuery query(QSqlDatabase::database(m_Connection, false));
    query.prepare(QStringLiteral("SELECT COALESCE(MAX(seq), 0) FROM operations WHERE match_id=?"));
    query.addBindValue(QVariant::fromValue(id));
    if (!query.exec() || !query.next()) {
        return Fail(QStringLiteral("cannot read %1").arg(m_Path), query.lastError().text());
    }
    m_MatchId = id;
    m_Sequence = query.value(0).toLongLong();
    return true;
}

bool CMatchStore::WriteFigures(const CGame& game)
{
    QSqlDatabase database = QSqlDatabase::database(m_Connection, false);
    const TGameParams& params = game.Params();
    const int32_t winner = game.MatchWinner();
    QSqlQuery match(database);
    match.prepare(QStringLiteral(
        "UPDATE matches SET updated=?, state=?, winner=?, legs=?, score=? WHERE id=?"));
    match.addBindValue(Now());
    match.addBindValue(winner >= 0 ? static_cast<int>(TMatchState::Won)
                                   : static_cast<int>(TMatchState::InPlay));
    match.addBindValue(winner);
    match.addBindValue(game.LegCount());
    match.addBindValue(ScoreText(game));
    match.addBindValue(QVariant::fromValue(m_MatchId));
    if (!match.exec()) {
        return false;
    }
    for (int32_t player = 0; player < params.PlayerCount && player < 2; ++player) {
        const TPlayerStats stats = game.GetPlayerStats(player);
        QSqlQuery update(database);
        update.prepare(QStringLiteral(
            "UPDATE player_stats SET legs_played=?, legs_won=?, points=?, darts=?,"
            " highest_turn=?, count180=?, highest_checkout=? WHERE match_id=? AND player=?"));
        for (const QVariant& value :
             {QVariant(game.LegCount()), QVariant(stats.LegsWon), QVariant(stats.PointsScored),
              QVariant(stats.DartsThrown), QVariant(stats.HighestTurn), QVariant(stats.Count180),
              QVariant(stats.HighestOutShot), QVariant::fromValue(m_MatchId), QVariant(player)}) {
            update.addBindValue(value);
        }
        if (!update.exec()) {
            return false;
        }
    }
    return true;
}

bool CMatchStore::Record(const TMatchOperation& operation, const CGame& game)
{
    if (!m_Open || m_MatchId == 0) {
        return false;
    }
    QSqlDatabase database = QSqlDatabase::database(m_Connection, false);
    if (!database.transaction()) {
        return Fail(QStringLiteral("cannot save the match"), database.lastError().text());
    }
    QSqlQuery query(database);
    query.prepare(QStringLiteral("INSERT INTO operations VALUES(?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& value :
         {QVariant::fromValue(m_MatchId), QVariant::fromValue(m_Sequence + 1),
          QVariant(static_cast<int>(operation.Kind)), QVariant(operation.Player),
          QVariant(operation.Entry), QVariant(operation.Score), QVariant(operation.Darts)}) {
        query.addBindValue(value);
    }
    if (!query.exec() || !WriteFigures(game) || !database.commit()) {
        const QString error =
            query.lastError().isValid() ? query.lastError().text() : database.lastError().text();
        return Fail(QStringLiteral("cannot save the match"), error);
    }
    ++m_Sequence;
    return true;
}

std::optional<TStoredMatch> CMatchStore::LastInPlay() const
{
    if (!m_Open) {
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
    if (!m_Open) {
        return std::nullopt;
    }
    QSqlDatabase database = QSqlDatabase::database(m_Connection, false);
    QSqlQuery query(database);
    query.prepare(QStringLiteral(
        "SELECT game, player_count, first_player, start_score, target_score, count_up,"
        " checkout_rule, player1, player2, legs_to_win, sets_to_win, started, state, legs, score"
        " FROM matches WHERE id=?"));
    query.addBindValue(QVariant::fromValue(id));
    if (!query.exec() || !query.next()) {
        return std::nullopt;
    }
    TStoredMatch match;
    match.Id = id;
    match.GameName = query.value(0).toString();
    TGameParams& params = match.Params;
    params.PlayerCount = query.value(1).toInt();
    params.FirstPlayer = query.value(2).toInt();
    params.StartScore = query.value(3).toInt();
    params.TargetScore = query.value(4).toInt();
    params.CountUp = query.value(5).toInt() != 0;
    params.CheckOutRule = query.value(6).toInt() != 0;
    params.Player1Name = query.value(7).toString().toStdString();
    params.Player2Name = query.value(8).toString().toStdString();
    params.LegsToWin = query.value(9).toInt();
    params.SetsToWin = query.value(10).toInt();
    match.Started = QDateTime::fromString(query.value(11).toString(), Qt::ISODate);
    match.State = static_cast<TMatchState>(query.value(12).toInt());
    match.Legs = query.value(13).toInt();
    match.Score = query.value(14).toString();
    QSqlQuery operations(database);
    operations.prepare(QStringLiteral("SELECT kind, player, entry, score, darts FROM operations"
                                      " WHERE match_id=? ORDER BY seq"));
    operations.addBindValue(QVariant::fromValue(id));
    operations.setForwardOnly(true);
    if (!operations.exec()) {
        return std::nullopt;
    }
    while (operations.next()) {
        match.Operations.push_back({static_cast<TOperationKind>(operations.value(0).toInt()),
                                    operations.value(1).toInt(), operations.value(2).toInt(),
                                    operations.value(3).toInt(), operations.value(4).toInt()});
    }
    return match;
}

bool CMatchStore::Delete(int64_t id)
{
    if (!m_Open) {
        return false;
    }
    QSqlDatabase database = QSqlDatabase::database(m_Connection, false);
    if (!database.transaction()) {
        return false;
    }
    for (const char* table : {"operations", "player_stats"}) {
        QSqlQuery query(database);
        query.prepare(QStringLiteral("DELETE FROM %1 WHERE match_id=?").arg(QLatin1String(table)));
        query.addBindValue(QVariant::fromValue(id));
        if (!query.exec()) {
            database.rollback();
            return false;
        }
    }
    QSqlQuery query(database);
    query.prepare(QStringLiteral("DELETE FROM matches WHERE id=?"));
    query.addBindValue(QVariant::fromValue(id));
    if (!query.exec() || !database.commit()) {
        database.rollback();
        return false;
    }
    if (id == m_MatchId) {
        m_MatchId = 0; // the match in play is no longer recorded
    }
    return true;
}

TPlayerRecord CMatchStore::PlayerRecord(const QString& name) const
{
    TPlayerRecord record;
    if (!m_Open) {
        return record;
    }
    QSqlQuery query(QSqlDatabase::database(m_Connection, false));
    query.prepare(QStringLiteral(
        "SELECT COUNT(*), SUM(CASE WHEN m.winner = s.player THEN 1 ELSE 0 END),"
        " SUM(s.legs_played), SUM(s.legs_won), SUM(s.points), SUM(s.darts),"
        " MAX(s.highest_turn), SUM(s.count180), MAX(s.highest_checkout)"
        " FROM player_stats s JOIN matches m ON m.id = s.match_id WHERE s.name = ?"));
    query.addBindValue(name);
    if (!query.exec() || !query.next()) {
        return record;
    }
    record.MatchesPlayed = query.value(0).toLongLong();
    record.MatchesWon = query.value(1).toLongLong();
    record.LegsPlayed = query.value(2).toLongLong();
    record.LegsWon = query.value(3).toLongLong();
    const double darts = query.value(5).toDouble();
    record.ThreeDartAverage = darts > 0 ? query.value(4).toDouble() / darts * 3.0 : 0.0;
    record.HighestTurn = query.value(6).toInt();
    record.Count180 = query.value(7).toLongLong();
    record.HighestCheckout = query.value(8).toInt();
    return record;
}

std::vector<std::pair<QDateTime, double>> CMatchStore::PlayerAverages(const QString& name) const
{
    std::vector<std::pair<QDateTime, double>> averages;
    if (!m_Open) {
        return averages;
    }
    QSqlQuery query(QSqlDatabase::database(m_Connection, false));
    query.prepare(QStringLiteral("SELECT m.started, s.points * 3.0 / s.darts FROM player_stats s"
                                 " JOIN matches m ON m.id = s.match_id"
                                 " WHERE s.name = ? AND s.darts > 0 ORDER BY m.started, m.id"));
    query.addBindValue(name);
    if (query.exec()) {
        while (query.next()) {
            averages.emplace_back(QDateTime::fromString(query.value(0).toString(), Qt::ISODate),
                                  query.value(1).toDouble());
        }
    }
    return averages;
}

QStringList CMatchStore::PlayerNames() const
{
    QStringList names;
    if (!m_Open) {
        return names;
    }
    QSqlQuery query(QSqlDatabase::database(m_Connection, false));
    if (query.exec(QStringLiteral("SELECT DISTINCT name FROM player_stats ORDER BY name"))) {
        while (query.next()) {
            names << query.value(0).toString();
        }
    }
    return names;
}

bool Rebuild(CGame& game, const TStoredMatch& match)
{
    game.NewGame(match.Params);
    for (const TMatchOperation& operation : match.Operations) {
        if (!ApplyOperation(game, operation)) {
            return false;
        }
    }
    return true;
}

QString ScoreText(const CGame& game)
{
    const TGameParams& params = game.Params();
    const auto pair = [&](auto value) {
        return params.PlayerCount >= 2 ? QStringLiteral("%1-%2").arg(value(0)).arg(value(1))
                                       : QString::number(value(0));
    };
    if (params.LegsToWin > 0 && params.SetsToWin > 0) {
        return QStringLiteral("Sets %1, Legs %2")
            .arg(pair([&](int p) { return game.SetsWon(p); }),
                 pair([&](int p) { return game.LegsInSet(p); }));
    }
    return pair([&](int p) { return game.GetPlayerStats(p).LegsWon; });
}

QString CsvFileName(const TStoredMatch& match)
{
    return Describe(match).section(kDot, 0, 0) +
           match.Started.toString(QStringLiteral(" yyyy-MM-dd HH-mm")) + QStringLiteral(".csv");
}

QString Describe(const TStoredMatch& match)
{
    const TGameParams& params = match.Params;
    QString players = QString::fromStdString(params.Player1Name);
    if (params.PlayerCount >= 2) {
        players += QStringLiteral(" v ") + QString::fromStdString(params.Player2Name);
    }
    return players + kDot + match.GameName + kDot + QStringLiteral("Leg %1").arg(match.Legs) +
           kDot + match.Score;
}

namespace {

QString CsvField(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r')) {
        return text;
    }
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

QByteArray MatchCsv(const TStoredMatch& match)
{
    // Replayed step by step, to know each leg's set and first thrower.
    CGame game;
    game.NewGame(match.Params);
    std::vector<std::pair<int32_t, int32_t>> legs{
        {game.SetNumber(), game.CurrentLeg()->PlayerToThrow()}};
    for (const TMatchOperation& operation : match.Operations) {
        if (!ApplyOperation(game, operation)) {
            break;
        }
        if (operation.Kind == TOperationKind::NextLeg) {
            legs.emplace_back(game.SetNumber(), game.CurrentLeg()->PlayerToThrow());
        }
    }
    QString csv = QStringLiteral("Leg,Set,Player,Turn,Score,Remainder,Darts claimed\r\n");
    const int32_t players = game.Params().PlayerCount;
    for (int32_t index = 0; index < game.LegCount(); ++index) {
        const CLeg& leg = *game.GetLeg(index);
        const auto [set, starter] = legs[static_cast<size_t>(index)];
        int32_t turns = 0;
        for (int32_t player = 0; player < leg.SheetCount(); ++player) {
            turns = std::max(turns, leg.GetSheet(player)->EntryCount() - 1);
        }
        for (int32_t turn = 1; turn <= turns; ++turn) {
            for (int32_t offset = 0; offset < players; ++offset) {
                const int32_t player = (starter + offset) % players;
                const CPlayerScores& sheet = *leg.GetSheet(player);
                const TurnEntry* entry = sheet.GetEntry(turn);
                if (entry == nullptr) {
                    continue;
                }
                csv += QStringLiteral("%1,%2,%3,%4,%5,%6,%7\r\n")
                           .arg(index + 1)
                           .arg(set)
                           .arg(CsvField(PlayerName(game.Params(), player)))
                           .arg(turn)
                           .arg(entry->Score)
                           .arg(entry->Remainder)
                           .arg(sheet.ClaimedDarts(turn));
            }
        }
    }
    return QByteArray("\xEF\xBB\xBF") + csv.toUtf8();
}
