// The match store at scale. Usage:
//   bench_store make PATH N     writes N matches played by a pool of 30 players (one leg of 501
//                               mostly, every fifth first to two legs, every tenth cricket)
//   bench_store time PATH [NAME]  the store ready (opened and the match to resume found), the
//                               History window opened with its first page painted, and a
//                               player's record chosen in it (NAME, or the busiest player),
//                               each the median of 9 tries, in milliseconds
// Run from a release build, offscreen unless QT_QPA_PLATFORM says otherwise (under
// tests/e2e/with-xvfb.sh with QT_QPA_PLATFORM=xcb for X11's figures); the file is read warm (as
// at any start after the first).

#include "games/MatchFactory.h"
#include "model/DartNotation.h"
#include "model/MatchOperation.h"
#include "store/MatchStore.h"
#include "ui/charts/ChartLoader.h"
#include "ui/history/HistoryDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

namespace {

constexpr int kPlayers = 30;
constexpr int kTries = 9;

// A dart at `aim` lands there, one to either side on the ring, or a ring out.
TDart Thrown(const TDart& aim, std::mt19937& random)
{
    const int roll = std::uniform_int_distribution<int>(0, 9)(random);
    if (aim.Segment == 25 || roll < 5) {
        return roll < 8 ? aim : TDart{25, 1};
    }
    static constexpr int kRing[] = {20, 1,  18, 4,  13, 6,  10, 15, 2,  17,
                                    3,  19, 7,  16, 8,  11, 14, 9,  12, 5};
    const auto at = std::find(std::begin(kRing), std::end(kRing), aim.Segment) - std::begin(kRing);
    const int side = roll < 8 ? (roll % 2 == 0 ? 1 : 19) : 0;
    return {kRing[(at + side) % 20], roll < 8 ? aim.Multiplier : 1};
}

// Where a club player aims: the treble 20, a finishing double from 40 down, the 15 to 20 and the
// bull in cricket.
TDart Aim(const CMatch& match, bool x01, std::mt19937& random)
{
    if (!x01) {
        const int number = std::uniform_int_distribution<int>(15, 21)(random);
        return number == 21 ? TDart{25, 1} : TDart{number, 3};
    }
    const auto& game = dynamic_cast<const CGame&>(match);
    const int32_t left = game.CurrentLeg()->CurrentSheet()->LastEntry()->Remainder;
    if (left <= 40 && left % 2 == 0) {
        return {left / 2, 2};
    }
    return left <= 40 ? TDart{1, 1} : TDart{20, 3};
}

int Make(const QString& path, int count)
{
    if (QFileInfo::exists(path)) {
        std::fprintf(stderr, "%s exists; the generator only writes a new store\n",
                     qPrintable(path));
        return 1;
    }
    CMatchStore store(path);
    if (!store.Open()) {
        std::fprintf(stderr, "store: %s\n", qPrintable(store.Problem()));
        return 1;
    }
    // A generated store needs no power-cut safety, and is written ten times as fast.
    QSqlQuery(store.Database()).exec(QStringLiteral("PRAGMA synchronous=OFF"));
    std::mt19937 random(2026);
    std::uniform_int_distribution<int> player(0, kPlayers - 1);
    int64_t turns = 0;
    for (int made = 0; made < count; ++made) {
        const bool x01 = made % 10 != 9;
        TGameParams params;
        params.PlayerCount = 2;
        params.StartScore = 501;
        params.CheckOutRule = true;
        params.LegsToWin = made % 5 == 4 ? 2 : 1;
        params.EnterDarts = true;
        const int home = player(random);
        const int away = (home + 1 + player(random) % (kPlayers - 1)) % kPlayers;
        params.PlayerNames = {"Player " + std::to_string(home + 1),
                              "Player " + std::to_string(away + 1)};
        const QString game = x01 ? QStringLiteral("Standard 501") : QStringLiteral("Cricket");
        std::unique_ptr<CMatch> match = MakeMatch(game.toStdString(), params);
        store.BeginMatch(game, params);
        for (int turn = 0; turn < 400 && match->MatchWinner() < 0; ++turn) {
            TMatchOperation operation{TOperationKind::Turn, match->SideToThrow()};
            if (match->LegOver()) {
                operation = {TOperationKind::NextLeg};
            } else {
                for (int dart = 0; dart < 3; ++dart) {
                    operation.Thrown.push_back(Thrown(Aim(*match, x01, random), random));
                }
            }
            // Darts after the one that won or bust are not thrown.
            while (!ApplyOperation(*match, operation)) {
                if (operation.Thrown.size() <= 1) {
                    std::fprintf(stderr, "a generated turn was refused\n");
                    return 1;
                }
                operation.Thrown.pop_back();
            }
            if (!store.Record(operation, *match)) {
                std::fprintf(stderr, "store: %s\n", qPrintable(store.Problem()));
                return 1;
            }
            ++turns;
        }
        if ((made + 1) % 1000 == 0) {
            std::printf("%d matches\n", made + 1);
            std::fflush(stdout);
        }
    }
    std::printf("%d matches, %lld operations, %.1f MB\n", count, static_cast<long long>(turns),
                static_cast<double>(QFileInfo(path).size()) / 1e6);
    return 0;
}

// The median time of `work` over the tries, each after `before` (not timed).
double MedianMilliseconds(
    const std::function<void()>& work, const std::function<void()>& before = [] {})
{
    std::vector<double> times;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        before();
        QElapsedTimer clock;
        clock.start();
        work();
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Shows `widget` and waits until its first paint is done.
void ShowPainted(QWidget& widget)
{
    widget.show();
    if (!QTest::qWaitForWindowExposed(&widget)) {
        std::fprintf(stderr, "the window was not shown\n");
        std::exit(1);
    }
    QCoreApplication::processEvents();
}

int Time(const QString& path, QString name)
{
    if (!QFileInfo::exists(path)) {
        std::fprintf(stderr, "no store at %s\n", qPrintable(path));
        return 1;
    }
    const double ready = MedianMilliseconds([&path] {
        CMatchStore store(path);
        store.Open();
        [[maybe_unused]] const auto resumable = store.LastInPlay();
    });
    CMatchStore store(path);
    if (!store.Open()) {
        std::fprintf(stderr, "store: %s\n", qPrintable(store.Problem()));
        return 1;
    }
    if (name.isEmpty()) {
        QSqlQuery busiest(store.Database());
        busiest.exec(QStringLiteral(
            "SELECT name FROM player_stats GROUP BY name ORDER BY COUNT(*) DESC LIMIT 1"));
        name = busiest.next() ? busiest.value(0).toString() : QString();
    }
    const double history = MedianMilliseconds([&store] {
        THistoryDialog dialog(store);
        ShowPainted(dialog);
    });
    THistoryDialog dialog(store);
    ShowPainted(dialog);
    auto* players = dialog.findChild<QComboBox*>(QStringLiteral("ComboBoxPlayer"));
    const int other = players->findText(name) == 0 ? 1 : 0;
    const double record = MedianMilliseconds(
        [&] {
            players->setCurrentText(name);
            QCoreApplication::processEvents();
        },
        [&] { // another player first
            players->setCurrentIndex(other);
            QCoreApplication::processEvents();
        });
    std::printf("store %s: %.1f MB, %d matches\n", qPrintable(path),
                static_cast<double>(QFileInfo(path).size()) / 1e6, store.Queries().MatchCount());
    std::printf("store ready (opened, the match to resume found): %.1f ms\n", ready);
    std::printf("History shown, first page painted:               %.1f ms\n", history);
    std::printf("a player's record (%s) chosen and shown: %.1f ms\n", qPrintable(name), record);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen"); // tests/e2e/with-xvfb.sh for X11's figures
    }
    QApplication application(argc, argv);
    SetChartsModulePath(QStringLiteral(VTX_CHARTS_MODULE)); // the player's chart, as the program
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() >= 4 && arguments[1] == u"make") {
        return Make(arguments[2], arguments[3].toInt());
    }
    if (arguments.size() >= 3 && arguments[1] == u"time") {
        return Time(arguments[2], arguments.value(3));
    }
    std::fprintf(stderr, "usage: bench_store make PATH N | bench_store time PATH [NAME]\n");
    return 2;
}
