#include "store/StoreSalvage.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace {

// Every table of a match, with the column that names the match.
constexpr std::pair<const char*, const char*> kTables[] = {
    {"matches", "id"},           {"operations", "match_id"},  {"player_stats", "match_id"},
    {"sides", "match_id"},       {"computers", "match_id"},   {"turn_darts", "match_id"},
    {"entry_modes", "match_id"}, {"match_seeds", "match_id"},
};

QStringList Columns(QSqlDatabase& database, const QString& schema, const QString& table)
{
    QStringList columns;
    QSqlQuery query(database);
    if (query.exec(QStringLiteral("PRAGMA %1.table_info(%2)").arg(schema, table))) {
        while (query.next()) {
            columns << query.value(1).toString();
        }
    }
    return columns;
}

bool Exec(QSqlDatabase& database, const QString& statement, const QVariant& value = {})
{
    QSqlQuery query(database);
    if (!query.prepare(statement)) {
        return false;
    }
    if (value.isValid()) {
        query.addBindValue(value);
    }
    return query.exec();
}

} // namespace

TSalvage SalvageMatches(QSqlDatabase& database, const QString& damagedPath)
{
    TSalvage salvage;
    const auto attach = [&] {
        return Exec(database, QStringLiteral("ATTACH DATABASE ? AS damaged"), damagedPath);
    };
    if (!attach()) {
        return salvage;
    }
    // The copy of each table takes the columns both stores have: an older store lacks some.
    struct TCopy
    {
        QString Copy;
        QString Remove;
        bool Needed; // a match without its rows here is no match
    };
    std::vector<TCopy> copies;
    for (const auto& [table, key] : kTables) {
        const QString name = QString::fromLatin1(table);
        const QStringList ours = Columns(database, QStringLiteral("main"), name);
        QStringList shared;
        for (const QString& column : Columns(database, QStringLiteral("damaged"), name)) {
            if (ours.contains(column)) {
                shared << column;
            }
        }
        const bool needed = name == u"matches" || name == u"operations" || name == u"player_stats";
        if (shared.isEmpty() && needed) {
            Exec(database, QStringLiteral("DETACH DATABASE damaged"));
            return salvage;
        }
        if (!shared.isEmpty()) {
            copies.push_back({QStringLiteral("INSERT OR IGNORE INTO main.%1(%2) SELECT %2 FROM "
                                             "damaged.%1 WHERE %3 = ?")
                                  .arg(name, shared.join(u','), QString::fromLatin1(key)),
                              QStringLiteral("DELETE FROM main.%1 WHERE %2 = ?")
                                  .arg(name, QString::fromLatin1(key)),
                              needed});
        }
    }
    // The ids that read; a damaged page ends the list where it lies.
    std::vector<qlonglong> ids;
    {
        QSqlQuery query(database);
        query.setForwardOnly(true);
        if (query.exec(QStringLiteral("SELECT id FROM damaged.matches ORDER BY id"))) {
            while (query.next()) {
                ids.push_back(query.value(0).toLongLong());
            }
        }
    }
    // A read that meets the damage leaves the attached file unusable to this connection: it
    // is attached again before the next read. A match whose own rows do not all read is taken
    // out again; one whose darts, sides, computers or entry mode do not read goes on without.
    const auto reattach = [&] {
        Exec(database, QStringLiteral("DETACH DATABASE damaged"));
        return attach();
    };
    for (const qlonglong id : ids) {
        ++salvage.Found;
        bool whole = true;
        for (const TCopy& copy : copies) {
            if (!whole) {
                break;
            }
            if (!Exec(database, copy.Copy, id)) {
                whole = !copy.Needed;
                if (!reattach()) {
                    return salvage;
                }
            }
        }
        if (whole) {
            ++salvage.Saved;
            continue;
        }
        for (const TCopy& copy : copies) {
            Exec(database, copy.Remove, id);
        }
    }
    Exec(database, QStringLiteral("DETACH DATABASE damaged"));
    return salvage;
}
