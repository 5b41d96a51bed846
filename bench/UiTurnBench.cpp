// Time to record a typed turn: from the Enter key event until the score list, the labels and
// the action states are updated and the pending repaints are done. Once in a fresh match and
// once in a match with 2,000 legs already played (the match averages walk every leg).
// With --store every turn is also committed to a match store in a scratch folder, as the
// program does; with --board the board is shown, with --caller the caller is on (start a
// sound server first, or it goes silent at its first call), --room is both. The caller's turns
// are paced (see below); --paced paces them without it, for comparison; --sides N plays a
// match of N sides (2 by default); --darts enters each turn dart by dart ("t5 10 1", 26 as the
// typed total is); --typed-painted paints what was typed before the Enter is timed; --network N
// switches the room on the network on with N board pages connected (WebSocket clients on a
// thread of their own, so that the window's thread does only the program's part); --language
// de shows the windows in German; --game NAME plays another game of New Game's list (cricket
// and the practice games: a bull typed a turn, the long match's legs played at their targets);
// --samples N times N turns; --paints lists what a turn repaints. Run offscreen from a release
// build: scripts/bench.sh.

#include "app/Language.h"
#include "app/RoomLink.h"
#include "games/AroundTheClock.h"
#include "games/Bobs27.h"
#include "games/Checkout121.h"
#include "games/GamesMatch.h"
#include "games/Killer.h"
#include "store/MatchStore.h"
#include "ui/board/BoardWindow.h"
#include "ui/main/UnitMain.h"
#include "ui/newgame/UnitGameDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWebSocket>
#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int kSamples = 2000;
// With the caller on, each turn starts a voice process that takes the CPU for about a tenth of
// a second; turns a few milliseconds apart would measure those processes, not the window, so
// turns are then spaced as an operator's never come closer, and fewer are taken.
constexpr int kCallerSamples = 200;
constexpr int kCallerPauseMilliseconds = 250;
int g_Samples = kSamples;
int g_Sides = 2;                                 // --sides N: a match of N sides (1 to 8)
QString g_Game = QStringLiteral("Standard 501"); // --game NAME: as New Game lists it
int g_Legs = 2000; // --legs N: the legs played before the second measurement (for profiling)
int g_PauseMilliseconds = 0;
bool g_Darts = false; // --darts: turns typed dart by dart
bool g_TypedPainted = false;

void StartGame(TFormVTX& window)
{
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        auto* games = dialog->findChild<QComboBox*>(QStringLiteral("ComboBoxGame"));
        if (games->findText(g_Game) < 0) {
            std::fprintf(stderr, "no game %s\n", qPrintable(g_Game));
            std::exit(1);
        }
        games->setCurrentIndex(games->findText(g_Game));
        dialog->findChild<QSpinBox*>(QStringLiteral("SpinPlayers"))->setValue(g_Sides);
        dialog->findChild<QCheckBox*>(QStringLiteral("CheckBoxDarts"))->setChecked(g_Darts);
        dialog->findChild<QPushButton*>(QStringLiteral("ButtonStart"))->click();
    });
    window.findChild<QAction*>(QStringLiteral("ActionNew"))->trigger();
    // Offscreen, the window shown last (the Dart Pad) is made active; a window manager gives
    // the dialog's parent the keyboard back.
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window)) {
        std::fprintf(stderr, "the main window did not become active\n");
    }
    QCoreApplication::processEvents();
}

// A turn of cricket or a practice game that moves the leg on: at the numbers cricket counts
// (three trebles a turn), or at the side's target.
TMatchOperation GameTurn(const CGamesMatch& match, int turn)
{
    const int32_t side = match.SideToThrow();
    TMatchOperation operation{TOperationKind::Turn, side};
    const CDartsGame& leg = match.CurrentLeg();
    for (int dart = 0; dart < 3; ++dart) {
        if (const auto* clock = dynamic_cast<const CAroundTheClock*>(&leg)) {
            // The target and the next ones, the bull after the 20.
            const int32_t target = clock->Target(side) + dart;
            operation.Thrown.push_back({target > 20 ? 25 : target, 1});
        } else if (const auto* bobs = dynamic_cast<const CBobs27*>(&leg)) {
            operation.Thrown.push_back(bobs->Target(side));
        } else if (dynamic_cast<const CCheckout121*>(&leg) != nullptr) {
            operation.Thrown.push_back({0, 1}); // nine misses a target, and the next
        } else if (dynamic_cast<const CKiller*>(&leg) != nullptr) {
            // One double a turn round the board: a dart that ends the game is the turn's last.
            operation.Thrown.push_back({turn % 20 + 1, 2});
            break;
        } else {
            static constexpr int32_t kNumbers[] = {20, 19, 18, 17, 16, 15, 25};
            const int32_t number =
                kNumbers[static_cast<size_t>(turn / match.Sides()) % std::size(kNumbers)];
            operation.Thrown.push_back({number, number == 25 ? 2 : 3});
        }
    }
    return operation;
}

// Plays whole legs through the session; the window follows every event as in a real match.
void PlayLegs(TMatchSession& session, int legs)
{
    if (const auto* games = dynamic_cast<const CGamesMatch*>(&session.Match())) {
        for (int leg = 0; leg < legs && session.Match().MatchWinner() < 0; ++leg) {
            for (int turn = 0; turn < 1000 && !games->LegOver(); ++turn) {
                TMatchOperation operation = GameTurn(*games, turn);
                // Darts after the one that ended the leg are not thrown.
                while (!session.Apply(operation) && operation.Thrown.size() > 1) {
                    operation.Thrown.pop_back();
                }
            }
            [[maybe_unused]] const bool next = session.Apply({TOperationKind::NextLeg});
        }
        return;
    }
    const CGame& game = session.Game();
    static constexpr int32_t kTurns[] = {60, 100, 45, 140, 26, 60, 30, 40};
    for (int leg = 0; leg < legs; ++leg) {
        for (int32_t turn : kTurns) {
            for (int player = 0; player < g_Sides && !game.CurrentLeg()->Finished(); ++player) {
                [[maybe_unused]] const bool ok = session.Apply(
                    {TOperationKind::Turn, game.CurrentLeg()->PlayerToThrow(), 0, turn, 0});
            }
        }
        [[maybe_unused]] const bool next = session.Apply({TOperationKind::NextLeg});
    }
}

// --paints: counts the paint events each widget gets during the measured turns and the time
// each takes, to show what a turn repaints (a widget painted on every turn whose look did not
// change is a waste) and what that costs.
class TBenchApplication final : public QApplication
{
public:
    using QApplication::QApplication;
    struct TPaints
    {
        int Count = 0;
        int64_t Nanoseconds = 0;
    };
    std::map<QString, TPaints> Paints;
    bool Counting = false;

    bool notify(QObject* receiver, QEvent* event) override
    {
        if (!Counting || event->type() != QEvent::Paint) {
            return QApplication::notify(receiver, event);
        }
        QElapsedTimer clock;
        clock.start();
        const bool done = QApplication::notify(receiver, event);
        const QString name = receiver->objectName().isEmpty()
                                 ? QString::fromLatin1(receiver->metaObject()->className())
                                 : receiver->objectName();
        // A widget without a name of its own (a list's viewport) goes by its parent's.
        const bool own = !receiver->objectName().isEmpty() &&
                         !receiver->objectName().startsWith(QStringLiteral("qt_"));
        const QObject* parent = receiver->parent();
        const QString parentName = parent == nullptr ? QString()
                                   : parent->objectName().isEmpty()
                                       ? QString::fromLatin1(parent->metaObject()->className())
                                       : parent->objectName();
        TPaints& paints = Paints[parent != nullptr && !own ? parentName + u'/' + name : name];
        ++paints.Count;
        paints.Nanoseconds += clock.nsecsElapsed();
        return done;
    }
};
TBenchApplication* g_Paints = nullptr;

// The timed part of a turn, a function of its own for each match (fresh, long) so that a
// profiler can count them apart: bench/turn-instructions.sh.
[[gnu::noinline]] void EnterAndShowFresh(QLineEdit* edit)
{
    QTest::keyPress(edit, Qt::Key_Return);
    QCoreApplication::processEvents();
}
[[gnu::noinline]] void EnterAndShowLong(QLineEdit* edit)
{
    QTest::keyPress(edit, Qt::Key_Return);
    QCoreApplication::processEvents();
}

// The value after `option` on the command line, if it is there.
std::optional<QString> OptionValue(const char* option)
{
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype at = arguments.indexOf(QLatin1String(option));
    return at >= 0 && at + 1 < arguments.size() ? std::optional(arguments[at + 1]) : std::nullopt;
}

struct TFigures
{
    double Median = 0;
    double P95 = 0;
    double Faults = 0; // minor page faults a turn (pages written for the first time since a fork)
};

long MinorFaults()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_minflt;
}

TFigures MeasureTypedTurns(TFormVTX& window, bool long_)
{
    std::vector<double> micros;
    micros.reserve(static_cast<size_t>(g_Samples));
    long faults = 0;
    const CMatch& match = window.Session().Match();
    const auto* x01 = dynamic_cast<const CGame*>(&match);
    int applied = 0;
    const QMetaObject::Connection counting = QObject::connect(
        &window.Session(), &TMatchSession::OperationApplied, &window, [&applied] { ++applied; });
    while (static_cast<int>(micros.size()) < g_Samples) {
        if (g_PauseMilliseconds > 0) {
            QTest::qWait(g_PauseMilliseconds);
        }
        if (match.LegOver() || window.InputBlocked() ||
            (x01 != nullptr && x01->CurrentLeg()->CurrentSheet()->LastEntry()->Remainder < 60)) {
            // Start a fresh leg (not timed) rather than finish: the banner would hold input.
            [[maybe_unused]] const bool next = window.Session().Apply({TOperationKind::NextLeg});
            while (window.InputBlocked()) {
                QTest::qWait(20);
            }
            continue;
        }
        const int appliedBefore = applied;
        auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (edit == nullptr) {
            std::fprintf(stderr, "no Thrown box has the focus\n");
            std::exit(1);
        }
        // A game other than X01: a bull, taken by every game without ending its leg soon.
        QTest::keyClicks(edit, x01 == nullptr ? QStringLiteral("25")
                               : g_Darts      ? QStringLiteral("t5 10 1")
                                              : QStringLiteral("26"));
        // --typed-painted: what was typed is painted before Enter, as it is when a person types
        // (each key is painted as it comes); without it the Enter also pays for painting them.
        if (g_TypedPainted) {
            QCoreApplication::processEvents();
        }
        QElapsedTimer clock;
        if (g_Paints != nullptr) {
            g_Paints->Counting = true;
        }
        const long faultsBefore = MinorFaults();
        clock.start();
        (long_ ? EnterAndShowLong : EnterAndShowFresh)(edit);
        faults += MinorFaults() - faultsBefore;
        micros.push_back(static_cast<double>(clock.nsecsElapsed()) / 1000.0);
        if (g_Paints != nullptr) {
            g_Paints->Counting = false;
        }
        QTest::keyRelease(edit, Qt::Key_Return);
        if (applied == appliedBefore) {
            std::fprintf(stderr, "turn was not recorded\n");
            std::exit(1);
        }
    }
    QObject::disconnect(counting);
    std::sort(micros.begin(), micros.end());
    return {micros[micros.size() / 2], micros[micros.size() * 95 / 100],
            static_cast<double>(faults) / static_cast<double>(micros.size())};
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TBenchApplication application(argc, argv);
    // --language CODE: the windows in that language, as the program shows them.
    if (const std::optional<QString> language = OptionValue("--language");
        language && !InstallLanguage(application, *language)) {
        std::fprintf(stderr, "no such language\n");
        return 1;
    }
    TFormVTX window;
    TNewGameDialog dialog(&window);
    window.SetNewGameDialog(&dialog);
    window.show();
    QApplication::setActiveWindow(&window);
    window.activateWindow();
    const bool withStore = QCoreApplication::arguments().contains(QStringLiteral("--store"));
    g_Sides = std::clamp(OptionValue("--sides").value_or(QString::number(g_Sides)).toInt(), 1, 8);
    g_Legs = std::max(OptionValue("--legs").value_or(QString::number(g_Legs)).toInt(), 0);
    g_Samples = std::max(OptionValue("--samples").value_or(QString::number(g_Samples)).toInt(), 1);
    g_Game = OptionValue("--game").value_or(g_Game);
    g_Darts = QCoreApplication::arguments().contains(QStringLiteral("--darts"));
    g_TypedPainted = QCoreApplication::arguments().contains(QStringLiteral("--typed-painted"));
    std::printf("%s, sides: %d%s\n", qPrintable(g_Game), g_Sides,
                g_Darts ? ", turns dart by dart" : "");
    QTemporaryDir scratch;
    CMatchStore store(scratch.filePath(QStringLiteral("matches.sqlite")));
    if (withStore) {
        if (!store.Open()) {
            std::fprintf(stderr, "store: %s\n", qPrintable(store.Problem()));
            return 1;
        }
        QObject::connect(&window.Session(), &TMatchSession::MatchStarted, &window,
                         [&](const QString& name, const TGameParams& params) {
                             store.BeginMatch(name, params);
                         });
        QObject::connect(&window.Session(), &TMatchSession::OperationApplied, &window,
                         [&](const TMatchOperation& operation) {
                             if (!store.Record(operation, window.Session().Match())) {
                                 std::fprintf(stderr, "store: %s\n", qPrintable(store.Problem()));
                                 std::exit(1);
                             }
                         });
    }
    std::printf("match store: %s\n", withStore ? "on (a commit per turn)" : "off");
    const QStringList arguments = QCoreApplication::arguments();
    const bool room = arguments.contains(QStringLiteral("--room"));
    const bool caller = room || arguments.contains(QStringLiteral("--caller"));
    const bool board = room || arguments.contains(QStringLiteral("--board"));
    StartGame(window);
    if (caller || arguments.contains(QStringLiteral("--paced"))) {
        g_Samples = std::min(g_Samples, kCallerSamples);
        g_PauseMilliseconds = kCallerPauseMilliseconds;
    }
    if (caller || board) {
        window.SetCallerOn(caller);
        window.SetBoardShown(board);
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) {
            std::fprintf(stderr, "the main window did not become active again\n");
        }
        QCoreApplication::processEvents();
    }
    std::printf("board: %s, caller: %s\n", board ? "shown" : "hidden", caller ? "on" : "off");
    TRoomLink network(window);
    QThread pages;
    QObject* clients = nullptr;
    if (const std::optional<QString> connected = OptionValue("--network")) {
        const int count = connected->toInt();
        TRoomLink::SetModulePath(QStringLiteral(VTX_ROOM_MODULE));
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        TSettings settings;
        settings.RoomPort = probe.serverPort();
        probe.close();
        network.Apply(settings);
        if (!network.SetOn(true)) {
            std::fprintf(stderr, "the room could not be switched on\n");
            return 1;
        }
        QString address = network.BoardAddresses().first();
        address.replace(QStringLiteral("http://"), QStringLiteral("ws://"));
        address.replace(QUrl(address).host(), QStringLiteral("127.0.0.1"));
        pages.start();
        clients = new QObject;
        clients->moveToThread(&pages);
        QMetaObject::invokeMethod(clients, [clients, count, address] {
            for (int page = 0; page < count; ++page) {
                auto* socket =
                    new QWebSocket(QString(), QWebSocketProtocol::VersionLatest, clients);
                socket->open(QUrl(address));
            }
        });
        while (network.Service()->Boards() < count) {
            QTest::qWait(10);
        }
        QApplication::setActiveWindow(&window);
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) {
            std::fprintf(stderr, "the main window did not become active again\n");
        }
        window.findChild<QLineEdit*>(QStringLiteral("EditThrown1"))->setFocus();
        std::printf("room on the network: %d board pages connected\n", count);
    }

    if (arguments.contains(QStringLiteral("--paints"))) {
        g_Paints = &application;
    }
    const TFigures fresh = MeasureTypedTurns(window, false);
    if (g_Paints != nullptr) {
        std::printf("paint events a turn (fresh match): count, microseconds\n");
        for (const auto& [name, paints] : application.Paints) {
            std::printf("  %6.2f %7.1f %s\n", static_cast<double>(paints.Count) / g_Samples,
                        static_cast<double>(paints.Nanoseconds) / 1000.0 / g_Samples,
                        qPrintable(name));
        }
        g_Paints = nullptr;
    }
    StartGame(window);
    PlayLegs(window.Session(), g_Legs);
    // The legs were won: let the last winner banner run out before typing again.
    while (window.InputBlocked()) {
        QTest::qWait(20);
    }
    const int legs = window.Session().Match().LegCount();
    const TFigures long_ = MeasureTypedTurns(window, true);
    std::printf("typed turn, fresh match:        median %.1f us, p95 %.1f us (%d turns)\n",
                fresh.Median, fresh.P95, g_Samples);
    std::printf("typed turn, %d legs played:   median %.1f us, p95 %.1f us (%d turns)\n", legs,
                long_.Median, long_.P95, g_Samples);
    std::printf("ratio long / fresh (median):    %.2f\n", long_.Median / fresh.Median);
    std::printf("minor page faults a turn:       %.1f fresh, %.1f long\n", fresh.Faults,
                long_.Faults);
    if (clients != nullptr) {
        QMetaObject::invokeMethod(clients, [clients] { delete clients; });
        pages.quit();
        pages.wait();
    }
    return 0;
}
