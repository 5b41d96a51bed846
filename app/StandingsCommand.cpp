#include "app/StandingsCommand.h"

#include "app/ProgramStart.h"
#include "app/SettingsFile.h"
#include "store/ClubDatabase.h"
#include "store/CompetitionTable.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlError>
#include <cstdio>
#include <cstring>

namespace {

int Fail(int status, const QString& line)
{
    std::fprintf(stderr, "vantorix: %s\n", qPrintable(line));
    return status;
}

} // namespace

bool AsksForStandings(int argc, char* argv[])
{
    for (int index = 1; index < argc; ++index) {
        if (std::strcmp(argv[index], "--standings") == 0 ||
            std::strncmp(argv[index], "--standings=", 12) == 0) {
            return true;
        }
    }
    return false;
}

int RunStandingsCommand(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vantorix"));
    QCommandLineParser parser;
    const QCommandLineOption standings(QStringLiteral("standings"),
                                       QStringLiteral("Print a competition's standings as CSV."),
                                       QStringLiteral("NAME"));
    const QCommandLineOption club(QStringLiteral("club"),
                                  QStringLiteral("The club's PostgreSQL connection string."),
                                  QStringLiteral("CONNINFO"));
    const QCommandLineOption configDir(QStringLiteral("config-dir"),
                                       QStringLiteral("Read the settings from ~/.config."));
    parser.addOptions({standings, club, configDir});
    if (!parser.parse(QCoreApplication::arguments())) {
        return Fail(3, parser.errorText());
    }
    const QString name = parser.value(standings);
    QString conninfo = parser.value(club);
    if (!parser.isSet(club)) {
        const TSettingsRead read =
            ReadSettingsFile(SettingsFilePath(QCoreApplication::arguments()));
        conninfo = read.Settings.ClubDatabase.value_or(QString()).trimmed();
    }
    const QString connection = QStringLiteral("standings");
    QString problem;
    if (!conninfo.isEmpty()) {
        if (!OpenClubDatabase(conninfo, connection, problem)) {
            return Fail(3, QStringLiteral("cannot reach the club's database: %1").arg(problem));
        }
    } else {
        const QString path = CompetitionStorePath();
        if (!QFileInfo(path).isFile()) {
            return Fail(2, QStringLiteral("there is no competition named \"%1\" (no store at %2)")
                               .arg(name, path));
        }
        QSqlDatabase local = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        local.setDatabaseName(path);
        local.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=3000"));
        if (!local.open()) {
            return Fail(3,
                        QStringLiteral("cannot read %1: %2").arg(path, local.lastError().text()));
        }
    }
    int status = 0;
    {
        CCompetitionStore store(QSqlDatabase::database(connection, false));
        const std::optional<TCompetitionRecord> record = store.ByName(name);
        if (!record) {
            // A database that has never had a competition lacks the tables: the same answer.
            status = Fail(2, QStringLiteral("there is no competition named \"%1\"").arg(name));
        } else {
            const std::vector<TStoredResult> results = store.Results(record->Id);
            if (!store.Problem().isEmpty()) {
                status = Fail(3, store.Problem());
            } else {
                const QByteArray csv = StandingsCsv(StandingRows(*record, results)).toUtf8();
                std::fwrite(csv.constData(), 1, static_cast<size_t>(csv.size()), stdout);
                std::fflush(stdout);
            }
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return status;
}
