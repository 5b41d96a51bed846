#include "store/StoredDarts.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

const char* const kTurnDartsTable =
    "CREATE TABLE IF NOT EXISTS turn_darts("
    " match_id INTEGER NOT NULL, seq INTEGER NOT NULL, dart1 INTEGER, dart2 INTEGER,"
    " dart3 INTEGER, PRIMARY KEY(match_id, seq)) WITHOUT ROWID";

const char* const kEntryModesTable = "CREATE TABLE IF NOT EXISTS entry_modes("
                                     " match_id INTEGER PRIMARY KEY, enter_darts INTEGER NOT NULL)";

const char* const kMatchSeedsTable = "CREATE TABLE IF NOT EXISTS match_seeds("
                                     " match_id INTEGER PRIMARY KEY, seed INTEGER NOT NULL)";

namespace {

constexpr int kMultipliers = 4;

} // namespace

bool WriteEntryMode(QSqlDatabase& database, int64_t matchId, bool enterDarts, QSqlError& error)
{
    QSqlQuery insert(database);
    insert.prepare(QStringLiteral("INSERT OR REPLACE INTO entry_modes VALUES(?, ?)"));
    insert.addBindValue(QVariant::fromValue(matchId));
    insert.addBindValue(enterDarts ? 1 : 0);
    if (!insert.exec()) {
        error = insert.lastError();
        return false;
    }
    return true;
}

std::optional<bool> ReadEntryMode(const QSqlDatabase& database, int64_t matchId)
{
    QSqlQuery query(database);
    query.prepare(QStringLiteral("SELECT enter_darts FROM entry_modes WHERE match_id=?"));
    query.addBindValue(QVariant::fromValue(matchId));
    if (!query.exec() || !query.next()) {
        return std::nullopt; // a store without the table, or a match stored before it
    }
    return query.value(0).toInt() != 0;
}

bool WriteTurnDarts(QSqlDatabase& database, int64_t matchId, int64_t sequence,
                    const std::vector<TDart>& darts, QSqlError& error)
{
    QSqlQuery insert(database);
    insert.prepare(QStringLiteral("INSERT OR REPLACE INTO turn_darts VALUES(?, ?, ?, ?, ?)"));
    insert.addBindValue(QVariant::fromValue(matchId));
    insert.addBindValue(QVariant::fromValue(sequence));
    for (size_t index = 0; index < 3; ++index) {
        insert.addBindValue(index < darts.size() ? QVariant(darts[index].Segment * kMultipliers +
                                                            darts[index].Multiplier)
                                                 : QVariant(QMetaType(QMetaType::Int)));
    }
    if (!insert.exec()) {
        error = insert.lastError();
        return false;
    }
    return true;
}

std::map<int64_t, std::vector<TDart>> ReadTurnDarts(const QSqlDatabase& database, int64_t matchId)
{
    std::map<int64_t, std::vector<TDart>> read;
    QSqlQuery query(database);
    query.prepare(
        QStringLiteral("SELECT seq, dart1, dart2, dart3 FROM turn_darts WHERE match_id=?"));
    query.addBindValue(QVariant::fromValue(matchId));
    query.setForwardOnly(true);
    if (!query.exec()) {
        return read; // a store without the table has no darts
    }
    while (query.next()) {
        std::vector<TDart> darts;
        bool usable = true;
        for (int column = 1; column <= 3; ++column) {
            const QVariant value = query.value(column);
            if (value.isNull()) {
                break;
            }
            bool number = false;
            const qlonglong code = value.toLongLong(&number);
            const TDart dart{static_cast<int32_t>(code / kMultipliers),
                             static_cast<int32_t>(code % kMultipliers)};
            usable = usable && number && code >= 0 && code < 26 * kMultipliers && IsValidDart(dart);
            darts.push_back(dart);
        }
        if (usable && !darts.empty()) {
            read.emplace(query.value(0).toLongLong(), std::move(darts));
        }
    }
    return read;
}

bool WriteMatchSeed(QSqlDatabase& database, int64_t matchId, uint64_t seed, QSqlError& error)
{
    if (seed == 0) {
        return true;
    }
    QSqlQuery insert(database);
    insert.prepare(QStringLiteral("INSERT OR REPLACE INTO match_seeds VALUES(?, ?)"));
    insert.addBindValue(QVariant::fromValue(matchId));
    // SQLite's integers are signed: the seed is kept by its bits.
    insert.addBindValue(QVariant::fromValue(static_cast<qint64>(seed)));
    if (!insert.exec()) {
        error = insert.lastError();
        return false;
    }
    return true;
}

std::optional<uint64_t> ReadMatchSeed(const QSqlDatabase& database, int64_t matchId)
{
    QSqlQuery query(database);
    query.prepare(QStringLiteral("SELECT seed FROM match_seeds WHERE match_id=?"));
    query.addBindValue(QVariant::fromValue(matchId));
    bool number = false;
    if (!query.exec() || !query.next()) {
        return std::nullopt; // a store without the table, or a match without a seed
    }
    const qint64 seed = query.value(0).toLongLong(&number);
    return number ? std::optional<uint64_t>(static_cast<uint64_t>(seed)) : std::nullopt;
}
