#include "store/StoredSides.h"

#include "bot/Bot.h"
#include "store/StoredMatch.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <cmath>

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

void ReadSides(const QSqlDatabase& database, int64_t matchId, TGameParams& params,
               QStringList* problems)
{
    QSqlQuery query(database);
    query.prepare(QStringLiteral("SELECT side, name, start_score, team_size, thrower1, thrower2"
                                 " FROM sides WHERE match_id=? ORDER BY side"));
    query.addBindValue(QVariant::fromValue(matchId));
    query.setForwardOnly(true);
    if (!query.exec()) {
        return; // a store without the table: no match in it has more than two plain sides
    }
    const auto say = [problems](const QString& problem) {
        if (problems != nullptr) {
            problems->append(problem);
        }
    };
    const auto count = static_cast<size_t>(params.PlayerCount);
    std::vector<bool> read(count, false);
    TGameParams sides;
    sides.TeamSize = 1;
    for (size_t side = 0; side < count; ++side) {
        sides.PlayerNames.push_back(SideName(params, static_cast<int32_t>(side)));
        sides.StartScores.push_back(params.StartScore);
        sides.ThrowerNames.resize(count * 2);
    }
    bool any = false;
    while (query.next()) {
        const int side = query.value(0).toInt();
        if (side < 0 || static_cast<size_t>(side) >= count || read[static_cast<size_t>(side)]) {
            say(QCoreApplication::translate("CMatchStore",
                                            "a row for side %1, which the match does not have, "
                                            "was ignored")
                    .arg(side + 1));
            continue;
        }
        const auto index = static_cast<size_t>(side);
        read[index] = true;
        any = true;
        sides.PlayerNames[index] = CutName(query.value(1).toString()).toStdString();
        sides.StartScores[index] = query.value(2).toInt();
        sides.TeamSize = query.value(3).toInt() == 2 ? 2 : 1;
        sides.ThrowerNames[index * 2] = CutName(query.value(4).toString()).toStdString();
        sides.ThrowerNames[index * 2 + 1] = CutName(query.value(5).toString()).toStdString();
    }
    if (!any) {
        return; // a match of one or two plain sides
    }
    for (size_t side = 0; side < count; ++side) {
        if (!read[side]) {
            say(QCoreApplication::translate("CMatchStore",
                                            "side %1 had no row and plays as it was started")
                    .arg(side + 1));
        }
    }
    params.PlayerNames = std::move(sides.PlayerNames);
    params.StartScores = std::move(sides.StartScores);
    params.TeamSize = sides.TeamSize;
    if (params.TeamSize == 2) {
        params.ThrowerNames = std::move(sides.ThrowerNames);
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

void ReadComputers(const QSqlDatabase& database, int64_t matchId, TGameParams& params,
                   QStringList* problems)
{
    QSqlQuery query(database);
    query.prepare(QStringLiteral("SELECT side, average, seed FROM computers WHERE match_id=?"));
    query.addBindValue(QVariant::fromValue(matchId));
    query.setForwardOnly(true);
    if (!query.exec()) {
        return;
    }
    const auto say = [problems](const QString& problem) {
        if (problems != nullptr) {
            problems->append(problem);
        }
    };
    while (query.next()) {
        const int side = query.value(0).toInt();
        if (side < 0 || side >= params.PlayerCount) {
            say(QCoreApplication::translate("CMatchStore",
                                            "a computer for side %1, which the match does not "
                                            "have, was ignored")
                    .arg(side + 1));
            continue;
        }
        // Read as a real number: 1e9, -5 and text are all brought within what it throws.
        bool number = false;
        const double stored = query.value(1).toDouble(&number);
        const double average = number && std::isfinite(stored)
                                   ? std::clamp(stored, CBot::kLowestAverage, CBot::kHighestAverage)
                                   : CBot::kLowestAverage;
        const auto kept = static_cast<int32_t>(std::lround(average));
        if (!number || average != stored) {
            say(QCoreApplication::translate("CMatchStore",
                                            "the computer's average %1 of side %2 was read as "
                                            "%3")
                    .arg(query.value(1).toString())
                    .arg(side + 1)
                    .arg(kept));
        }
        params.ComputerAverages.resize(static_cast<size_t>(params.PlayerCount), 0);
        params.ComputerAverages[static_cast<size_t>(side)] = kept;
        // SQLite's integers are signed: the seed is kept by its bits.
        bool seeded = false;
        params.ComputerSeed = static_cast<uint64_t>(query.value(2).toLongLong(&seeded));
        if (!seeded) {
            say(QCoreApplication::translate("CMatchStore",
                                            "the computer's seed \"%1\" is no number; 0 is used")
                    .arg(query.value(2).toString().left(20)));
        }
    }
}
