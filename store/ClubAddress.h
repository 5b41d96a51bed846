#pragma once

// The club's server's address as the settings hold it (Qt Core only, so that the reader of the
// settings' value is fuzzed with the settings file).

#include <QString>

// The key=value form of `conninfo`, with a connect timeout of 3 s and keepalives that find a
// dead link within about 10 s unless it sets its own; empty with `problem` said when it is not
// one, or it holds a password.
QString ClubConnectOptions(const QString& conninfo, QString& problem);
