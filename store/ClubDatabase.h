#pragma once

// The club's PostgreSQL server, reached by a libpq connection string ("host=club.local
// dbname=darts user=board") or URI ("postgresql://board@club.local/darts"). The password is
// never part of it: the user's ~/.pgpass or the server's trust rules give it, as PostgreSQL
// documents, so the settings file never holds one.

#include <QSqlDatabase>
#include <QString>

// Opens (or reopens) the connection `connectionName` to the club's server; false with `problem`
// said in the operator's words when it cannot be reached or the driver is missing.
bool OpenClubDatabase(const QString& conninfo, const QString& connectionName, QString& problem);
