#include "store/CompetitionStore.h"

#include "store/MatchStore.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

namespace {

const QString kResultColumns = QStringLiteral(
    "match_key TEXT NOT NULL UNIQUE, competition TEXT NOT NULL, fixture INTEGER NOT NULL,"
    " home INTEGER NOT NULL, away INTEGER NOT NULL, home_legs INTEGER NOT NULL,"
    " away_legs INTEGER NOT NULL, board TEXT NOT NULL, reason TEXT NOT NULL, at TEXT NOT NULL,"
    " home_points INTEGER NOT NULL, home_darts INTEGER NOT NULL, home_180s INTEGER NOT NULL,"
    " home_checkout INTEGER NOT NULL, away_points INTEGER NOT NULL,"
    " away_darts INTEGER NOT NULL, away_180s INTEGER NOT NULL, away_checkout INTEGER NOT NULL");
const QString kResultNames = QStringLiteral(
    "match_key, competition, fixture, home, away, home_legs, away_legs, board, reason, at,"
    " home_points, home_darts, home_180s, home_checkout, away_points, away_darts, away_180s,"
    " away_checkout");

QString KindName(TCompetitionKind kind)
{
    switch (kind) {
    case TCompetitionKind::Knockout:
        return QStringLiteral("knockout");
    case TCompetitionKind::GroupsKnockout:
        return QStringLiteral("groups");
    case TCompetitionKind::League:
        break;
    }
    return QStringLiteral("league");
}

TCompetitionKind KindOf(const QString& name)
{
    return name == QLatin1String("knockout") ? TCompetitionKind::Knockout
           : name == QLatin1String("groups") ? TCompetitionKind::GroupsKnockout
                                             : TCompetitionKind::League;
}

// Qt binds a null text as NULL; the columns take text, empty or not.
QVariant Text(const QString& text)
{
    return QVariant(text.isNull() ? QStringLiteral("") : text);
}

QString Now()
{
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
}

} // namespace

QString CompetitionStorePath()
{
    return QFileInfo(CMatchStore::DefaultPath()).absolutePath() +
           QStringLiteral("/competitions.sqlite");
}

QString NewMatchKey()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString CCompetitionStore::Channel()
{
    return QStringLiteral("vantorix_competitions");
}

CCompetitionStore::CCompetitionStore(QSqlDatabase database) : m_Database(std::move(database)) {}

bool CCompetitionStore::IsClub() const
{
    return m_Database.driverName() == QLatin1String("QPSQL");
}

bool CCompetitionStore::Failed(const QSqlQuery& query)
{
    m_Problem = query.lastError().text();
    return false;
}

bool CCompetitionStore::Notify()
{
    return Run(QStringLiteral("SELECT pg_notify('%1', '')").arg(Channel()));
}

bool CCompetitionStore::Run(const QString& statement)
{
    QSqlQuery query(m_Database);
    return query.exec(statement) || Failed(query);
}

bool CCompetitionStore::Prepare()
{
    // Every board of a club may start at once: the server makes the tables for one at a time.
    const QString serial = IsClub() ? QStringLiteral("seq BIGSERIAL PRIMARY KEY")
                                    : QStringLiteral("seq INTEGER PRIMARY KEY AUTOINCREMENT");
    // "Already there, skipping" is no news to anyone reading the program's output.
    if (IsClub() && !Run(QStringLiteral("SET client_min_messages TO WARNING"))) {
        return false;
    }
    if (!m_Database.transaction()) {
        m_Problem = m_Database.lastError().text();
        return false;
    }
    const bool made =
        (!IsClub() || Run(QStringLiteral("SELECT pg_advisory_xact_lock(3180)"))) &&
        Run(QStringLiteral(
            "CREATE TABLE IF NOT EXISTS competitions(id TEXT PRIMARY KEY, name TEXT NOT NULL"
            " UNIQUE, kind TEXT NOT NULL, players_count INTEGER NOT NULL, twice INTEGER NOT NULL,"
            " groups_count INTEGER NOT NULL, per_group INTEGER NOT NULL, players TEXT NOT NULL,"
            " game TEXT NOT NULL, legs_to_win INTEGER NOT NULL, sets_to_win INTEGER NOT NULL,"
            " double_out INTEGER NOT NULL, created TEXT NOT NULL)")) &&
        Run(QStringLiteral("CREATE TABLE IF NOT EXISTS competition_results(%1, %2)")
                .arg(serial, kResultColumns)) &&
        Run(QStringLiteral("CREATE TABLE IF NOT EXISTS competition_claims(competition TEXT NOT"
                           " NULL, fixture INTEGER NOT NULL, board TEXT NOT NULL, match_key TEXT"
                           " NOT NULL, at TEXT NOT NULL, PRIMARY KEY(competition, fixture))")) &&
        (IsClub() || Run(QStringLiteral("CREATE TABLE IF NOT EXISTS club_waiting(%1, %2)")
                             .arg(serial, kResultColumns)));
    if (!made) {
        m_Database.rollback();
        return false;
    }
    return m_Database.commit() || (m_Problem = m_Database.lastError().text(), false);
}

bool CCompetitionStore::Create(const TCompetitionRecord& record)
{
    if (ByName(record.Name)) {
        m_Problem = QStringLiteral("A competition named \"%1\" is there already.").arg(record.Name);
        return false;
    }
    QSqlQuery insert(m_Database);
    insert.prepare(QStringLiteral("INSERT INTO competitions VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?,"
                                  " ?, ?, ?)"));
    for (const QVariant& value :
         {Text(record.Id), Text(record.Name), QVariant(KindName(record.Shape.Kind)),
          QVariant(record.Shape.Players), QVariant(record.Shape.Twice ? 1 : 0),
          QVariant(record.Shape.Groups), QVariant(record.Shape.PerGroup),
          QVariant(record.Players.join(QLatin1Char('\n'))), Text(record.Game),
          QVariant(record.LegsToWin), QVariant(record.SetsToWin),
          QVariant(record.DoubleOut ? 1 : 0),
          QVariant(record.Created.isEmpty() ? Now() : record.Created)}) {
        insert.addBindValue(value);
    }
    if (!insert.exec()) {
        return Failed(insert);
    }
    if (IsClub()) {
        Notify();
    }
    return true;
}

std::vector<TCompetitionRecord> CCompetitionStore::Competitions()
{
    std::vector<TCompetitionRecord> records;
    QSqlQuery query(m_Database);
    if (!query.exec(QStringLiteral(
            "SELECT id, name, kind, players_count, twice, groups_count, per_group, players, game,"
            " legs_to_win, sets_to_win, double_out, created FROM competitions ORDER BY created"))) {
        Failed(query);
        return records;
    }
    while (query.next()) {
        TCompetitionRecord record;
        record.Id = query.value(0).toString();
        record.Name = query.value(1).toString();
        record.Shape = {KindOf(query.value(2).toString()), query.value(3).toInt(),
                        query.value(4).toInt() != 0, query.value(5).toInt(),
                        query.value(6).toInt()};
        record.Players = query.value(7).toString().split(QLatin1Char('\n'));
        record.Game = query.value(8).toString();
        record.LegsToWin = query.value(9).toInt();
        record.SetsToWin = query.value(10).toInt();
        record.DoubleOut = query.value(11).toInt() != 0;
        record.Created = query.value(12).toString();
        // A row whose players do not match its count is another program's: left out.
        if (record.Players.size() == record.Shape.Players) {
            records.push_back(record);
        }
    }
    return records;
}

std::optional<TCompetitionRecord> CCompetitionStore::ByName(const QString& name)
{
    for (const TCompetitionRecord& record : Competitions()) {
        if (record.Name == name) {
            return record;
        }
    }
    return std::nullopt;
}

std::vector<TStoredResult> CCompetitionStore::ReadResults(const QString& table,
                                                          const QString& competition)
{
    std::vector<TStoredResult> results;
    QSqlQuery query(m_Database);
    query.prepare(
        QStringLiteral("SELECT %1 FROM %2%3 ORDER BY seq")
            .arg(kResultNames, table,
                 competition.isNull() ? QString() : QStringLiteral(" WHERE competition = ?")));
    if (!competition.isNull()) {
        query.addBindValue(competition);
    }
    if (!query.exec()) {
        Failed(query);
        return results;
    }
    while (query.next()) {
        const auto number = [&](int column) { return query.value(column).toInt(); };
        TStoredResult result;
        result.MatchKey = query.value(0).toString();
        result.Competition = query.value(1).toString();
        result.Result = {number(2), number(3), number(4), number(5), number(6)};
        result.Board = query.value(7).toString();
        result.Reason = query.value(8).toString();
        result.At = query.value(9).toString();
        result.Home = {number(10), number(11), number(12), number(13)};
        result.Away = {number(14), number(15), number(16), number(17)};
        results.push_back(result);
    }
    return results;
}

std::vector<TStoredResult> CCompetitionStore::Results(const QString& competition)
{
    return ReadResults(QStringLiteral("competition_results"), competition);
}

std::vector<TStoredResult> CCompetitionStore::Waiting()
{
    return ReadResults(QStringLiteral("club_waiting"), QString());
}

std::vector<TFixtureClaim> CCompetitionStore::Claims(const QString& competition)
{
    std::vector<TFixtureClaim> claims;
    QSqlQuery query(m_Database);
    query.prepare(QStringLiteral("SELECT fixture, board, match_key FROM competition_claims"
                                 " WHERE competition = ? ORDER BY fixture"));
    query.addBindValue(competition);
    if (!query.exec()) {
        Failed(query);
        return claims;
    }
    while (query.next()) {
        claims.push_back(
            {query.value(0).toInt(), query.value(1).toString(), query.value(2).toString()});
    }
    return claims;
}

std::optional<TFixtureClaim> CCompetitionStore::Claim(const QString& competition, int32_t fixture,
                                                      const QString& board, const QString& matchKey,
                                                      bool takeOver)
{
    QSqlQuery insert(m_Database);
    // The first board's claim stands; a second one adds nothing and reads whose it is, unless
    // it takes the fixture over.
    insert.prepare(QStringLiteral("INSERT INTO competition_claims VALUES(?, ?, ?, ?, ?)"
                                  " ON CONFLICT (competition, fixture) DO %1")
                       .arg(takeOver ? QStringLiteral("UPDATE SET board = excluded.board,"
                                                      " match_key = excluded.match_key,"
                                                      " at = excluded.at")
                                     : QStringLiteral("NOTHING")));
    for (const QVariant& value :
         {Text(competition), QVariant(fixture), Text(board), Text(matchKey), QVariant(Now())}) {
        insert.addBindValue(value);
    }
    if (!insert.exec()) {
        Failed(insert);
        return std::nullopt;
    }
    if (insert.numRowsAffected() > 0 && IsClub()) {
        Notify();
    }
    for (const TFixtureClaim& claim : Claims(competition)) {
        if (claim.Fixture == fixture) {
            return claim;
        }
    }
    return std::nullopt;
}

bool CCompetitionStore::Release(const QString& competition, int32_t fixture, const QString& board)
{
    QSqlQuery remove(m_Database);
    remove.prepare(QStringLiteral(
        "DELETE FROM competition_claims WHERE competition = ? AND fixture = ? AND board = ?"));
    remove.addBindValue(competition);
    remove.addBindValue(fixture);
    remove.addBindValue(board);
    if (!remove.exec()) {
        return Failed(remove);
    }
    if (IsClub()) {
        Notify();
    }
    return true;
}

bool CCompetitionStore::AddResult(const TStoredResult& result, TTable table)
{
    const bool waiting = table == TTable::Waiting;
    if (!m_Database.transaction()) {
        m_Problem = m_Database.lastError().text();
        return false;
    }
    QSqlQuery insert(m_Database);
    insert.prepare(
        QStringLiteral("INSERT INTO %1(%2) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?,"
                       " ?, ?, ?, ?, ?, ?) ON CONFLICT (match_key) DO NOTHING")
            .arg(waiting ? QStringLiteral("club_waiting") : QStringLiteral("competition_results"),
                 kResultNames));
    const TFixtureResult& fixture = result.Result;
    for (const QVariant& value :
         {Text(result.MatchKey), Text(result.Competition), QVariant(fixture.Number),
          QVariant(fixture.Home), QVariant(fixture.Away), QVariant(fixture.HomeLegs),
          QVariant(fixture.AwayLegs), Text(result.Board), Text(result.Reason),
          QVariant(result.At.isEmpty() ? Now() : result.At), QVariant(result.Home.Points),
          QVariant(result.Home.Darts), QVariant(result.Home.Count180),
          QVariant(result.Home.HighestCheckout), QVariant(result.Away.Points),
          QVariant(result.Away.Darts), QVariant(result.Away.Count180),
          QVariant(result.Away.HighestCheckout)}) {
        insert.addBindValue(value);
    }
    // The claim stays: a fixture played is not there for the taking, only to be played again.
    bool done = insert.exec() || Failed(insert);
    if (done && !waiting && IsClub()) {
        done = Notify();
    }
    if (!done) {
        m_Database.rollback();
        return false;
    }
    return m_Database.commit() || (m_Problem = m_Database.lastError().text(), false);
}

bool CCompetitionStore::RemoveWaiting(const QString& matchKey)
{
    QSqlQuery remove(m_Database);
    remove.prepare(QStringLiteral("DELETE FROM club_waiting WHERE match_key = ?"));
    remove.addBindValue(matchKey);
    return remove.exec() || Failed(remove);
}
