#include "store/StoreCheck.h"

#include "store/MatchStore.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>
#include <functional>

int PrimaryCode(const QSqlError& error)
{
    return error.nativeErrorCode().toInt() & 0xFF;
}

bool IsDamage(const QSqlError& error)
{
    const int code = PrimaryCode(error);
    return code == kSqliteCorrupt || code == kSqliteNotADatabase;
}

namespace {

// Runs `work` on a connection of its own to the store at `path` (`options` for the driver),
// opened, and gone again before it returns: it may run on any thread. `work` is not run when
// the file cannot be opened.
void OnOwnConnection(const QString& path, const QString& options,
                     const std::function<void(QSqlDatabase&)>& work)
{
    static std::atomic<int> counter{0};
    const QString name = QStringLiteral("vantorix-apart-%1").arg(counter++);
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(path);
        database.setConnectOptions(
            QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(CMatchStore::kBusyMilliseconds) +
            options);
        if (database.open()) {
            work(database);
        }
        database.close();
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace

TStoreCheck CheckStoreFile(const QString& path)
{
    TStoreCheck result;
    OnOwnConnection(
        path, QStringLiteral(";QSQLITE_OPEN_READONLY"), [&result](QSqlDatabase& database) {
            QSqlQuery check(database);
            result.Ran = check.exec(QStringLiteral("PRAGMA quick_check")) && check.next();
            result.Damaged =
                result.Ran ? check.value(0).toString() != u"ok" : IsDamage(check.lastError());
            result.Ran = result.Ran || result.Damaged;
        });
    return result;
}

bool CheckpointStoreFile(const QString& path)
{
    bool done = false;
    OnOwnConnection(path, {}, [&done](QSqlDatabase& database) {
        done = QSqlQuery(database).exec(QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)"));
    });
    return done;
}
