#include "StoredSides.h"

#include "StoredMatch.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

const char* const kSidesTable =
    "CREATE TABLE IF NOT EXISTS sides("
    " match_id INTEGER NOT NULL, side INTEGER NOT NULL, name TEXT NOT NULL,"
    " start_score INTEGER NOT NULL, team_size INTEGER NOT NULL,"
    " thrower1 TEXT NOT NULL, thrower2 TEXT NOT NULL,"
    " PRIMARY KEY(match_id, side)) WITHOUT ROWID";

const char* const kComputersTable =
    "CREATE TABLE IF NOT EXISTS computers("
    " match_id INTEGER NOT NULL, side INTEGER NOT NULL, average INTEGER NOT NULL,"
    " seed INTEGER NOT NULL, PRIMARY KEY(match_id, side)) WITHOUT ROWID";

bool UsesSides(const TGameParams& params)
{
    return params.PlayerCount > 2 || params.TeamSize > 1 || !params.StartScores.empty();
}

bool WriteSides(QSqlDatabase& database, int64_t matchId, const TGameParams& params,
                QSqlError& error)
{
    QSqlQuery clear(database);
    clear.prepare(QStringLiteral("DELETE FROM sides WHERE match_id=?"));
    clear.addBindValue(QVariant::fromValue(matchId));
    if (!clear.exec()) {
        error = clear.lastError();
        return false;
    }
    const auto thrower = [&params](size_t index) {
        return CleanName(QString::fromStdString(
            index < params.ThrowerNames.size() ? params.ThrowerNames[index] : std::string()));
    };
    for (int32_t side = 0; side < params.PlayerCount; ++side) {
        const auto index = static_cast<size_t>(side);
        QSqlQuery insert(database);
        insert.prepare(QStringLiteral("INSERT INTO sides VALUES(?, ?, ?, ?, ?, ?, ?)"));
        for (const QVariant& value :
             {QVariant::fromValue(matchId), QVariant(side),
              QVariant(CleanName(QString::fromStdString(SideName(params, side)))),
              QVariant(index < params.StartScores.size() ? params.StartScores[index]
                                                         : params.StartScore),
              QVariant(params.TeamSize), QVariant(thrower(index * 2)),
              QVariant(thrower(index * 2 + 1))}) {
            insert.addBindValue(value);
        }
        if (!insert.exec()) {
            error = insert.lastError();
            return false;
        }
    }
    return true;
}

void ReadSides(const QSqlDatabase& database, int64_t matchId, TGameParams& params)
{
    QSqlQuery query(database);
    query.prepare(QStringLiteral("SELECT name, start_score, team_size, thrower1, thrower2"
                                 " FROM sides WHERE match_id=? ORDER BY side"));
    query.addBindValue(QVariant::fromValue(matchId));
    query.setForwardOnly(true);
    if (!query.exec()) {
        return; // a store without the table: no match in it has more than two plain sides
    }
    TGameParams read;
    while (query.next()) {
        read.PlayerNames.push_back(CleanName(query.value(0).toString()).toStdString());
        read.StartScores.push_back(query.value(1).toInt());
        read.TeamSize = query.value(2).toInt();
        read.ThrowerNames.push_back(CleanName(query.value(3).toString()).toStdString());
        read.ThrowerNames.push_back(CleanName(query.value(4).toString()).toStdString());
    }
    if (static_cast<int32_t>(read.PlayerNames.size()) != params.PlayerCount) {
        return;
    }
    params.PlayerNames = std::move(read.PlayerNames);
    params.StartScores = std::move(read.StartScores);
    params.TeamSize = read.TeamSize;
    if (params.TeamSize == 2) {
        params.ThrowerNames = std::move(read.ThrowerNames);
    }
}

bool UsesComputers(const TGameParams& params)
{
    for (int32_t side = 0; side < params.PlayerCount; ++side) {
        if (ComputerAverage(params, side) > 0) {
            return true;
        }
    }
    return false;
}

bool WriteComputers(QSqlDatabase& database, int64_t matchId, const TGameParams& params,
                    QSqlError& error)
{
    QSqlQuery clear(database);
    clear.prepare(QStringLiteral("DELETE FROM computers WHERE match_id=?"));
    clear.addBindValue(QVariant::fromValue(matchId));
    if (!clear.exec()) {
        error = clear.lastError();
        return false;
    }
    for (int32_t side = 0; side < params.PlayerCount; ++side) {
        const int32_t average = ComputerAverage(params, side);
        if (average <= 0) {
            continue;
        }
        QSqlQuery insert(database);
        insert.prepare(QStringLiteral("INSERT INTO computers VALUES(?, ?, ?, ?)"));
        insert.addBindValue(QVariant::fromValue(matchId));
        insert.addBindValue(side);
        insert.addBindValue(average);
        // SQLite's integers are signed: the seed is kept by its bits.
        insert.addBindValue(QVariant::fromValue(static_cast<qint64>(params.ComputerSeed)));
        if (!insert.exec()) {
            error = insert.lastError();
            return false;
        }
    }
    return true;
}

void ReadComputers(const QSqlDatabase& database, int64_t matchId, TGameParams& params)
{
    QSqlQuery query(database);
    query.prepare(QStringLiteral("SELECT side, average, seed FROM computers WHERE match_id=?"));
    query.addBindValue(QVariant::fromValue(matchId));
    query.setForwardOnly(true);
    if (!query.exec()) {
        return;
    }
    while (query.next()) {
        const int side = query.value(0).toInt();
        const int average = query.value(1).toInt();
        if (side < 0 || side >= params.PlayerCount || average <= 0) {
            continue; // a row that fits no side of the match: that side is a person
        }
        params.ComputerAverages.resize(static_cast<size_t>(params.PlayerCount), 0);
        params.ComputerAverages[static_cast<size_t>(side)] = average;
        params.ComputerSeed = static_cast<uint64_t>(query.value(2).toLongLong());
    }
}
