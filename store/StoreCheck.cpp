#include "store/StoreCheck.h"

#include "store/MatchStore.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>

int PrimaryCode(const QSqlError& error)
{
    return error.nativeErrorCode().toInt() & 0xFF;
}

bool IsDamage(const QSqlError& error)
{
    const int code = PrimaryCode(error);
    return code == kSqliteCorrupt || code == kSqliteNotADatabase;
}

TStoreCheck CheckStoreFile(const QString& path)
{
    static std::atomic<int> counter{0};
    const QString name = QStringLiteral("vantorix-check-%1").arg(counter++);
    TStoreCheck result;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(path);
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1")
                                       .arg(CMatchStore::kBusyMilliseconds));
        if (database.open()) {
            QSqlQuery check(database);
            result.Ran = check.exec(QStringLiteral("PRAGMA quick_check")) && check.next();
            result.Damaged =
                result.Ran ? check.value(0).toString() != u"ok" : IsDamage(check.lastError());
            result.Ran = result.Ran || result.Damaged;
        }
        database.close();
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

bool CheckpointStoreFile(const QString& path)
{
    static std::atomic<int> counter{0};
    const QString name = QStringLiteral("vantorix-checkpoint-%1").arg(counter++);
    bool done = false;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(path);
        database.setConnectOptions(
            QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(CMatchStore::kBusyMilliseconds));
        if (database.open()) {
            QSqlQuery checkpoint(database);
            done = checkpoint.exec(QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)"));
        }
        database.close();
    }
    QSqlDatabase::removeDatabase(name);
    return done;
}
