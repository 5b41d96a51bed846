#include "store/PlayerRecords.h"

#include "games/DartsGame.h"
#include "store/StoredMatch.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

namespace {

// Runs `statement` over the rows of people (`s` the player_stats row); a store written before
// the computer came has no table of computers and no computer rows, and is read without it.
bool ExecOverPeople(QSqlQuery& query, const QString& statement, const QVariantList& values)
{
    const QString people =
        QStringLiteral(" AND NOT EXISTS(SELECT 1 FROM computers c WHERE c.match_id = s.match_id"
                       " AND c.side = s.player)");
    for (const QString& filter : {people, QString()}) {
        query.prepare(statement.arg(filter));
        for (const QVariant& value : values) {
            query.addBindValue(value);
        }
        if (query.exec()) {
            return true;
        }
    }
    return false;
}

// Names are listed to 64 characters, however long a store holds them (a hand-edited store's
// name of megabytes would otherwise fill the list and the record); a listed name at that
// length stands for every stored name it begins.
constexpr auto kListedName = static_cast<int>(kNameLength);

QString NameMatches(const QString& name)
{
    return name.toUcs4().size() >= kListedName
               ? QStringLiteral("substr(s.name, 1, %1) = ?").arg(kListedName)
               : QStringLiteral("s.name = ?");
}

} // namespace

QString OtherGamesSqlList()
{
    QStringList names;
    for (const TGameKind kind : kOtherGames) {
        names << u'\'' +
                     QString::fromStdString(GameName(kind)).replace(u'\'', QStringLiteral("''")) +
                     u'\'';
    }
    return u'(' + names.join(QStringLiteral(", ")) + u')';
}

TPlayerRecord ReadPlayerRecord(const QSqlDatabase& database, const QString& name)
{
    TPlayerRecord record;
    QSqlQuery query(database);
    if (!ExecOverPeople(
            query,
            QStringLiteral("SELECT COUNT(*), SUM(CASE WHEN m.winner = s.player THEN 1 ELSE 0 END),"
                           " SUM(s.legs_played), SUM(s.legs_won), SUM(s.points),"
                           " SUM(CASE WHEN m.game IN ") +
                OtherGamesSqlList() +
                QStringLiteral(" THEN 0 ELSE s.darts END),"
                               " MAX(s.highest_turn), SUM(s.count180), MAX(s.highest_checkout)"
                               " FROM player_stats s JOIN matches m ON m.id = s.match_id"
                               " WHERE ") +
                NameMatches(name) + QStringLiteral("%1"),
            {name}) ||
        !query.next()) {
        return record;
    }
    record.MatchesPlayed = query.value(0).toLongLong();
    record.MatchesWon = query.value(1).toLongLong();
    record.LegsPlayed = query.value(2).toLongLong();
    record.LegsWon = query.value(3).toLongLong();
    const double darts = query.value(5).toDouble();
    record.X01Darts = query.value(5).toLongLong();
    record.ThreeDartAverage = darts > 0 ? query.value(4).toDouble() / darts * 3.0 : 0.0;
    record.HighestTurn = query.value(6).toInt();
    record.Count180 = query.value(7).toLongLong();
    record.HighestCheckout = query.value(8).toInt();
    return record;
}

std::vector<std::pair<QDateTime, double>> ReadPlayerAverages(const QSqlDatabase& database,
                                                             const QString& name)
{
    std::vector<std::pair<QDateTime, double>> averages;
    QSqlQuery query(database);
    if (ExecOverPeople(query,
                       QStringLiteral("SELECT m.started, s.points * 3.0 / s.darts"
                                      " FROM player_stats s JOIN matches m ON m.id = s.match_id"
                                      " WHERE ") +
                           NameMatches(name) +
                           QStringLiteral(" AND s.darts > 0 AND m.game NOT IN ") +
                           OtherGamesSqlList() + QStringLiteral("%1 ORDER BY m.started, m.id"),
                       {name})) {
        while (query.next()) {
            averages.emplace_back(QDateTime::fromString(query.value(0).toString(), Qt::ISODate),
                                  query.value(1).toDouble());
        }
    }
    return averages;
}

QStringList ReadPlayerNames(const QSqlDatabase& database)
{
    QStringList names;
    QSqlQuery query(database);
    // The distinct names first (read off the names' index), then one row of a person for
    // each: a store of years has tens of thousands of rows and a few dozen names.
    if (ExecOverPeople(query,
                       QStringLiteral("SELECT DISTINCT substr(n.name, 1, %1) AS shown"
                                      " FROM (SELECT DISTINCT name FROM player_stats) n"
                                      " WHERE EXISTS(SELECT 1 FROM player_stats s"
                                      " WHERE s.name = n.name%2) ORDER BY shown")
                           .arg(kListedName)
                           .arg(QStringLiteral("%1")),
                       {})) {
        while (query.next()) {
            names << query.value(0).toString();
        }
    }
    return names;
}
