// A scoring board's darts through the program, on one clock (steady_clock) over loopback: a
// stand-in for the camera system's service (a WebSocket server on a thread of its own) sends
// each dart as the real service does, timed until the dart is in the thrower's Thrown box and
// the box has painted it; then the takeout, timed until the turn is recorded in the match store
// and the room's board page (a WebSocket client on another thread) has the new state. The
// program runs as it starts (the composition root: session, window, store keeper, room,
// boards). Offscreen by default; QT_QPA_PLATFORM=xcb under Xvfb paints for real.
//   bench_boards [--visits N]

#include "app/ProgramStart.h"
#include "boards/CameraMessages.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWebSocket>
#include <QWebSocketServer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;

std::atomic<int64_t> g_Sent{0};     // when the service last sent, ns on the steady clock
std::atomic<int64_t> g_PageSeen{0}; // when the board page last had a new state
std::atomic<int> g_PageStates{0};

int64_t Now()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(TClock::now().time_since_epoch())
        .count();
}

// Watches a Thrown box: the time of the first paint once it holds the text waited for.
class TPaintWatch final : public QObject
{
public:
    QString Waited;
    int64_t Painted = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && Painted == 0 && !Waited.isEmpty() &&
            static_cast<QLineEdit*>(watched)->text() == Waited) {
            Painted = Now();
        }
        return false;
    }
};

// Runs the event loop until `done`, waiting for events rather than polling: a wait that slept
// between looks would delay the program's own reply to the socket and be measured with it.
template <typename TDone>
bool WaitFor(TDone done, int milliseconds)
{
    const int64_t end = Now() + int64_t{milliseconds} * 1000000;
    while (!done()) {
        if (Now() > end) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    return true;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

double Percentile95(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() * 95 / 100];
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir scratch;
    qputenv("XDG_DATA_HOME", scratch.path().toLocal8Bit());
    QApplication application(argc, argv);
    int visits = 100;
    if (const qsizetype at = QCoreApplication::arguments().indexOf(QStringLiteral("--visits"));
        at > 0 && at + 1 < QCoreApplication::arguments().size()) {
        visits = std::max(1, QCoreApplication::arguments()[at + 1].toInt());
    }

    // The stand-in service and the board page, each on a thread of its own.
    QThread service;
    service.start();
    auto* server = new QWebSocketServer(QStringLiteral("camera"), QWebSocketServer::NonSecureMode);
    server->moveToThread(&service);
    std::vector<QWebSocket*> clients;
    quint16 cameraPort = 0;
    QMetaObject::invokeMethod(
        server,
        [&] {
            server->listen(QHostAddress::LocalHost, 0);
            cameraPort = server->serverPort();
            QObject::connect(server, &QWebSocketServer::newConnection, server, [&] {
                clients.push_back(server->nextPendingConnection());
                clients.back()->setParent(server);
            });
        },
        Qt::BlockingQueuedConnection);
    const auto send = [&](const TCameraState& state) {
        QMetaObject::invokeMethod(server, [&clients, state] {
            const QString text = QString::fromUtf8(CameraStateJson(state));
            g_Sent = Now();
            for (QWebSocket* client : clients) {
                client->sendTextMessage(text);
            }
        });
    };

    TBoardLink::SetModulePath(QStringLiteral(VTX_BOARDS_MODULE));
    TRoomLink::SetModulePath(QStringLiteral(VTX_ROOM_MODULE));
    TProgramWindows windows;
    windows.Main.show();
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    TSettings settings;
    settings.RoomPort = probe.serverPort();
    probe.close();
    windows.Room.Apply(settings);
    windows.Keeper.OpenStore();
    if (!windows.Room.SetOn(true) ||
        !windows.Boards.SetBoards(QStringLiteral("127.0.0.1:%1").arg(cameraPort), QString())) {
        std::fprintf(stderr, "the room or the board could not be started\n");
        return 1;
    }
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        auto* games = dialog->findChild<QComboBox*>(QStringLiteral("ComboBoxGame"));
        games->setCurrentIndex(games->findText(QStringLiteral("Standard 1001")));
        dialog->findChild<QPushButton*>(QStringLiteral("ButtonStart"))->click();
    });
    windows.Main.findChild<QAction*>(QStringLiteral("ActionNew"))->trigger();
    QThread pages;
    pages.start();
    QString address = windows.Room.BoardAddresses().first();
    address.replace(QStringLiteral("http://"), QStringLiteral("ws://"));
    address.replace(QUrl(address).host(), QStringLiteral("127.0.0.1"));
    auto* page = new QWebSocket;
    page->moveToThread(&pages);
    QMetaObject::invokeMethod(page, [page, address] {
        QObject::connect(page, &QWebSocket::textMessageReceived, page, [](const QString&) {
            g_PageSeen = Now();
            ++g_PageStates;
        });
        page->open(QUrl(address));
    });
    if (!QTest::qWaitFor([&] { return windows.Room.Service()->Boards() == 1; }, 10000) ||
        !QTest::qWaitFor([&] { return windows.Boards.Status() == QStringLiteral("Board: ready"); },
                         10000)) {
        std::fprintf(stderr, "the board page or the camera service did not connect\n");
        return 1;
    }
    TPaintWatch watch;
    std::vector<QLineEdit*> boxes;
    for (const char* name : {"EditThrown1", "EditThrown2"}) {
        boxes.push_back(windows.Main.findChild<QLineEdit*>(QLatin1String(name)));
        boxes.back()->installEventFilter(&watch);
    }

    std::vector<double> dartMs;
    std::vector<double> takeoutMs;
    const int timeout = 5000;
    for (int visit = 0; visit < visits; ++visit) {
        const int side = windows.Session.Match().SideToThrow();
        TCameraState state{true, true, TCameraStatus::Throw, TCameraEvent::ThrowDetected, {}};
        QString shown;
        for (int dart = 0; dart < 3; ++dart) {
            state.Throws.push_back({1, 1});
            shown += shown.isEmpty() ? QStringLiteral("1") : QStringLiteral(" 1");
            watch.Waited = shown;
            watch.Painted = 0;
            send(state);
            if (!WaitFor([&] { return watch.Painted != 0; }, timeout)) {
                std::fprintf(stderr, "dart %d of visit %d was not shown\n", dart + 1, visit);
                return 1;
            }
            dartMs.push_back(static_cast<double>(watch.Painted - g_Sent) / 1e6);
        }
        const int states = g_PageStates;
        const size_t turns = windows.Keeper.Current().Operations.size();
        send({true, true, TCameraStatus::Throw, TCameraEvent::TakeoutFinished, {}});
        if (!WaitFor(
                [&] {
                    return g_PageStates > states &&
                           windows.Keeper.Current().Operations.size() > turns;
                },
                timeout)) {
            std::fprintf(stderr, "the takeout of visit %d was not recorded\n", visit);
            return 1;
        }
        takeoutMs.push_back(static_cast<double>(g_PageSeen - g_Sent) / 1e6);
        if (windows.Session.Match().SideToThrow() == side) {
            std::fprintf(stderr, "visit %d was not entered\n", visit);
            return 1;
        }
    }
    std::printf("platform %s, %d visits\n", qPrintable(QGuiApplication::platformName()), visits);
    std::printf("dart sent -> in the Thrown box, painted:     median %.2f ms, p95 %.2f ms\n",
                Median(dartMs), Percentile95(dartMs));
    std::printf("takeout sent -> recorded, board page has it: median %.2f ms, p95 %.2f ms\n",
                Median(takeoutMs), Percentile95(takeoutMs));
    QMetaObject::invokeMethod(
        page, [page] { delete page; }, Qt::BlockingQueuedConnection);
    QMetaObject::invokeMethod(
        server, [server] { delete server; }, Qt::BlockingQueuedConnection);
    pages.quit();
    service.quit();
    pages.wait();
    service.wait();
    return 0;
}
