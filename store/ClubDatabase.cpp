#include "store/ClubDatabase.h"

#include "store/ClubAddress.h"

#include <QSqlError>

bool OpenClubDatabase(const QString& conninfo, const QString& connectionName, QString& problem)
{
    const QString options = ClubConnectOptions(conninfo, problem);
    if (options.isEmpty()) {
        return false;
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        problem = QStringLiteral("the PostgreSQL driver for Qt is not installed "
                                 "(Debian: libqt6sql6-psql)");
        return false;
    }
    QSqlDatabase database =
        QSqlDatabase::contains(connectionName)
            ? QSqlDatabase::database(connectionName, false)
            : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    database.close();
    // The driver puts these after what it builds from the (empty) host, name and user.
    database.setConnectOptions(options);
    if (!database.open()) {
        problem = database.lastError().text().trimmed();
        return false;
    }
    return true;
}
