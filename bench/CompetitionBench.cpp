// A league night at the scale of a big club: a double round robin of 64 players (4,032
// fixtures) played out by 8 boards at once, each on a connection and thread of its own, against
// the club's PostgreSQL server (--club CONNINFO; run it beside a private one with
// tests/with-postgres.sh) or a local SQLite file (--sqlite PATH). Every board tries to take
// every fixture in the order of play; the one that gets it reports its result, and sends it a
// second time as a board that never heard the answer would. Then: results in, none twice, and
// the standings query (the results read and the table made) timed.

#include "store/ClubDatabase.h"
#include "store/CompetitionTable.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

constexpr int kBoards = 8;
constexpr int kPlayers = 64;

bool Open(const QString& club, const QString& sqlite, const QString& name)
{
    if (!club.isEmpty()) {
        QString problem;
        if (!OpenClubDatabase(club, name, problem)) {
            std::fprintf(stderr, "%s\n", qPrintable(problem));
            return false;
        }
        return true;
    }
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    database.setDatabaseName(sqlite);
    database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=30000"));
    return database.open();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype clubAt = arguments.indexOf(QStringLiteral("--club"));
    const qsizetype sqliteAt = arguments.indexOf(QStringLiteral("--sqlite"));
    const QString club = clubAt > 0 ? arguments.value(clubAt + 1) : QString();
    const QString sqlite = sqliteAt > 0 ? arguments.value(sqliteAt + 1) : QString();
    if (club.isEmpty() == sqlite.isEmpty()) {
        std::fprintf(stderr, "usage: bench_competition --club CONNINFO | --sqlite PATH\n");
        return 2;
    }
    if (!Open(club, sqlite, QStringLiteral("setup"))) {
        return 1;
    }
    TCompetitionRecord record;
    {
        CCompetitionStore store(QSqlDatabase::database(QStringLiteral("setup")));
        record.Id = NewMatchKey();
        record.Name = QStringLiteral("Bench ") + record.Id;
        record.Shape = {TCompetitionKind::League, kPlayers, true, 0, 0};
        for (int player = 0; player < kPlayers; ++player) {
            record.Players << QStringLiteral("Player %1").arg(player + 1);
        }
        record.Game = QStringLiteral("Standard 501");
        if (!store.Prepare() || !store.Create(record)) {
            std::fprintf(stderr, "%s\n", qPrintable(store.Problem()));
            return 1;
        }
    }
    const std::vector<TCompetitionFixture> fixtures = CCompetition(record.Shape).Fixtures();
    std::atomic<int> played{0};
    std::atomic<int> failures{0};
    QElapsedTimer night;
    night.start();
    std::vector<std::thread> boards;
    for (int board = 0; board < kBoards; ++board) {
        boards.emplace_back([&, board] {
            const QString name = QStringLiteral("board%1").arg(board);
            if (!Open(club, sqlite, name)) {
                ++failures;
                return;
            }
            {
                CCompetitionStore store(QSqlDatabase::database(name));
                const QString boardName = QStringLiteral("Board %1").arg(board + 1);
                for (const TCompetitionFixture& fixture : fixtures) {
                    const QString key = NewMatchKey();
                    const std::optional<TFixtureClaim> claim =
                        store.Claim(record.Id, fixture.Number, boardName, key);
                    if (!claim) {
                        ++failures;
                        continue;
                    }
                    if (claim->MatchKey != key) {
                        continue;
                    }
                    const bool homeWins = (fixture.Number + board) % 3 != 0;
                    const TStoredResult result = {key,
                                                  record.Id,
                                                  {fixture.Number, fixture.Home, fixture.Away,
                                                   homeWins ? 3 : 2, homeWins ? 1 : 3},
                                                  boardName,
                                                  {},
                                                  {},
                                                  {1000, 30, 1, 100},
                                                  {900, 30, 0, 40}};
                    if (!store.AddResult(result) || !store.AddResult(result)) {
                        ++failures;
                        std::fprintf(stderr, "%s\n", qPrintable(store.Problem()));
                    } else {
                        ++played;
                    }
                }
            }
            QSqlDatabase::removeDatabase(name);
        });
    }
    for (std::thread& board : boards) {
        board.join();
    }
    const double nightSeconds = static_cast<double>(night.elapsed()) / 1000.0;
    CCompetitionStore store(QSqlDatabase::database(QStringLiteral("setup")));
    const std::vector<TStoredResult> results = store.Results(record.Id);
    std::vector<int> counted(fixtures.size());
    for (const TStoredResult& result : results) {
        ++counted[static_cast<size_t>(result.Result.Number)];
    }
    const bool once = std::all_of(counted.begin(), counted.end(), [](int n) { return n == 1; });
    std::vector<double> times;
    size_t rows = 0;
    for (int run = 0; run < 21; ++run) {
        QElapsedTimer timer;
        timer.start();
        const std::vector<TStandingRow> table = StandingRows(record, store.Results(record.Id));
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        rows = table.size();
    }
    std::sort(times.begin(), times.end());
    std::printf("%s: %zu fixtures by %d boards in %.1f s; %d played, %zu results stored, every "
                "fixture once: %s; failures: %d\n",
                club.isEmpty() ? "SQLite" : "PostgreSQL", fixtures.size(), kBoards, nightSeconds,
                played.load(), results.size(), once ? "yes" : "NO", failures.load());
    std::printf("standings query (%zu results read, %zu rows): median %.1f ms, max %.1f ms "
                "over 21 runs\n",
                results.size(), rows, times[10], times.back());
    return once && failures == 0 && results.size() == fixtures.size() ? 0 : 1;
}
