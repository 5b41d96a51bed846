// The room's door and connections against hostile clients on the loopback network: nothing a
// client sends or leaves unread is held without bound, places go to what shows a code, and
// the protocol's rules are held. The module is loaded as the program loads it.

#include "room/RoomFrames.h"
#include "room/RoomGate.h"
#include "room/RoomService.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLibrary>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <memory>
#include <vector>

namespace {

const QByteArray kBoard = "b0ardT0kenb0ardT0kenb0ardT0ken12";
const QByteArray kKeypad = "keypadT0kenkeypadT0kenkeypadT0k3";
const QByteArray kEvents = "eventsT0keneventsT0keneventsT0k4";

#if defined(__SANITIZE_ADDRESS__)
// Under AddressSanitizer freed memory is held back on purpose, so resident memory tells
// nothing there: the heap's live bytes are what the bounds hold. (The sanitizer's own interface;
// GCC does not ship its header.)
extern "C" size_t __sanitizer_get_current_allocated_bytes();
qint64 MemoryKiB()
{
    return static_cast<qint64>(__sanitizer_get_current_allocated_bytes() / 1024);
}
#else
// The resident memory of this process, in KiB.
qint64 MemoryKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').front().toLongLong();
        }
    }
    return 0;
}
#endif

QByteArray Handshake(const QByteArray& target)
{
    return "GET " + target +
           " HTTP/1.1\r\nHost: x\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
           "Sec-WebSocket-Version: 13\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n\r\n";
}

// A client frame: masked (unless `unmasked`), final.
QByteArray ClientFrame(TOpcode opcode, const QByteArray& payload, bool unmasked = false)
{
    QByteArray frame = ServerFrame(opcode, payload);
    if (unmasked) {
        return frame;
    }
    const qsizetype header = frame.size() - payload.size();
    frame[1] = static_cast<char>(frame[1] | 0x80);
    const QByteArray mask("\x11\x22\x33\x44", 4);
    QByteArray masked = payload;
    for (qsizetype index = 0; index < masked.size(); ++index) {
        masked[index] = static_cast<char>(masked[index] ^ mask[index % 4]);
    }
    return frame.left(header) + mask + masked;
}

// Server frames read off `bytes` (unmasked), as (opcode, payload).
std::vector<std::pair<int, QByteArray>> ServerFrames(QByteArray bytes)
{
    std::vector<std::pair<int, QByteArray>> frames;
    while (bytes.size() >= 2) {
        qint64 length = static_cast<uint8_t>(bytes[1]) & 0x7F;
        qsizetype at = 2;
        if (length == 126) {
            length = (static_cast<uint8_t>(bytes[2]) << 8) | static_cast<uint8_t>(bytes[3]);
            at = 4;
        } else if (length == 127) {
            length = 0;
            for (qsizetype index = 2; index < 10; ++index) {
                length = (length << 8) | static_cast<uint8_t>(bytes[index]);
            }
            at = 10;
        }
        if (bytes.size() < at + length) {
            break;
        }
        frames.emplace_back(static_cast<uint8_t>(bytes[0]) & 0x0F, bytes.mid(at, length));
        bytes.remove(0, at + length);
    }
    return frames;
}

// Waits for `done` with the event loop running, woken by each event rather than polling: a
// flood of connections goes at the speed of the network.
template <typename TDone>
bool WaitFor(TDone done, int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        const qint64 left = milliseconds - clock.elapsed();
        if (left <= 0) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents,
                                        static_cast<int>(std::min<qint64>(left, 50)));
    }
    return true;
}

} // namespace

class TestRoomDoor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void TheProtocolsRulesAreHeld();
    void NothingIsHeldWithoutBound();
    void PlacesGoToWhatShowsACode();
    void TheEventsStreamHasItsOwnCodeAndEveryEvent();

private:
    // A socket to the room from `from`, kept until the test's end.
    QTcpSocket* Connect(const QString& from = QStringLiteral("127.0.0.1"));
    // Connects, sends `request` and reads until the room closes the connection.
    QByteArray Exchange(const QByteArray& request);
    // A keypad WebSocket, its handshake answered.
    QTcpSocket* OpenKeypad(const QString& from = QStringLiteral("127.0.0.1"));

    QLibrary m_Module{QStringLiteral(VTX_ROOM_MODULE)};
    std::unique_ptr<TRoomService> m_Room;
    quint16 m_Port = 0;
    int m_Messages = 0;
    std::vector<std::unique_ptr<QTcpSocket>> m_Sockets;
};

void TestRoomDoor::initTestCase()
{
    QVERIFY2(m_Module.load(), qPrintable(m_Module.errorString()));
    const auto make =
        reinterpret_cast<TNewRoomServiceFunction>(m_Module.resolve(kNewRoomServiceSymbol));
    QVERIFY(make != nullptr);
    TRoomCalls calls;
    calls.Submit = [this](const QByteArray&) {
        ++m_Messages;
        return TRoomReply{-1, true, {}, {}};
    };
    m_Room.reset(make(calls));
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    m_Port = probe.serverPort();
    probe.close();
    QString error;
    QVERIFY2(m_Room->Listen(m_Port, kBoard, kKeypad, error), qPrintable(error));
    m_Room->Publish(R"({"type":"state","version":0})");
}

void TestRoomDoor::cleanupTestCase()
{
    m_Sockets.clear();
    m_Room->Close();
    m_Room.reset();
}

QTcpSocket* TestRoomDoor::Connect(const QString& from)
{
    auto socket = std::make_unique<QTcpSocket>();
    socket->bind(QHostAddress(from));
    socket->connectToHost(QHostAddress::LocalHost, m_Port);
    // Waited for with the event loop running: the room runs on this thread. One the door
    // turns away at once is closed by then.
    QTcpSocket* made = socket.get();
    WaitFor(
        [made] {
            return made->state() == QAbstractSocket::ConnectedState ||
                   made->state() == QAbstractSocket::UnconnectedState;
        },
        5000);
    m_Sockets.push_back(std::move(socket));
    return m_Sockets.back().get();
}

QByteArray TestRoomDoor::Exchange(const QByteArray& request)
{
    QTcpSocket* socket = Connect();
    socket->write(request);
    QByteArray answer;
    WaitFor(
        [&] {
            answer += socket->readAll();
            return socket->state() == QAbstractSocket::UnconnectedState;
        },
        15000);
    return answer + socket->readAll();
}

QTcpSocket* TestRoomDoor::OpenKeypad(const QString& from)
{
    QTcpSocket* socket = Connect(from);
    socket->write(Handshake("/keypad?t=" + kKeypad));
    if (!WaitFor([socket] { return socket->bytesAvailable() > 12; }, 5000) ||
        !socket->peek(12).startsWith("HTTP/1.1 101")) {
        qWarning("no handshake: %s", socket->peek(100).constData());
    }
    return socket;
}

// Each connection takes one request: a page closes after it is sent, so a second request on
// it (with a wrong code) is never read; a client's unmasked frame closes the socket (1002),
// as a fragment out of place does.
void TestRoomDoor::TheProtocolsRulesAreHeld()
{
    const QByteArray twice = "GET /keypad?t=" + kKeypad + " HTTP/1.1\r\nHost: x\r\n\r\n" +
                             Handshake("/keypad?t=wrongwrongwrongwrongwrongwrong12");
    const QByteArray answer = Exchange(twice);
    QVERIFY(answer.startsWith("HTTP/1.1 200 OK"));
    QCOMPARE(answer.count("HTTP/1.1 "), 1);
    QVERIFY(answer.contains("Connection: close"));
    const struct
    {
        QByteArray Request;
        QByteArray Status;
    } heads[] = {
        {"GET /keypad?t=" + kKeypad + " HTTP/1.1\r\nX: " + QByteArray(9000, 'x') + "\r\n\r\n",
         "HTTP/1.1 400"},
        {"GET /keypad?t=" + kKeypad + " HTTP/1.1\r\nContent-Length: 5\r\n\r\nhello",
         "HTTP/1.1 400"},
        {"GET /keypad?t=" + kKeypad + " HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n",
         "HTTP/1.1 400"},
        {"POST /keypad?t=" + kKeypad + " HTTP/1.1\r\n\r\n", "HTTP/1.1 403"},
        {Handshake("/board?t=" + kKeypad), "HTTP/1.1 403"},
        {QByteArray(Handshake("/keypad?t=" + kKeypad)).replace("Version: 13", "Version: 8"),
         "HTTP/1.1 400"},
        {"GET /keypad?t=" + kKeypad + " HTTP/1.1\r\n folded\r\n\r\n", "HTTP/1.1 400"},
    };
    for (const auto& head : heads) {
        QVERIFY2(Exchange(head.Request).startsWith(head.Status), head.Request.left(80).constData());
    }
    for (const QByteArray& broken :
         {ClientFrame(TOpcode::Text, R"({"op":"undo"})", true),
          ClientFrame(TOpcode::Continuation, "x"), ClientFrame(TOpcode::Ping, QByteArray(200, 'x')),
          QByteArray("\xC1\x80\0\0\0\0", 6) /* a reserved bit */}) {
        QTcpSocket* socket = OpenKeypad();
        socket->write(broken);
        QByteArray read;
        QVERIFY(WaitFor(
            [&] {
                read += socket->readAll();
                return socket->state() == QAbstractSocket::UnconnectedState;
            },
            5000));
        read += socket->readAll();
        const auto frames = ServerFrames(read.mid(read.indexOf("\r\n\r\n") + 4));
        QVERIFY(!frames.empty());
        QCOMPARE(frames.back().first, 0x8);
        QCOMPARE(frames.back().second, QByteArray("\x03\xEA", 2)); // 1002
    }
    QCOMPARE(m_Messages, 0);
}

// A flood of refused connections, a head dribbled a byte at a time, pings never read, a page
// that reads nothing while the match moves on, and a socket that answers nothing: memory stays
// where it was, and each is cut off.
void TestRoomDoor::NothingIsHeldWithoutBound()
{
    QTcpSocket* silent = OpenKeypad();
    QTcpSocket* dribbler = Connect();
    dribbler->write("GET /keypad?t=" + kKeypad + " HTTP/1.1\r\nX-Slow: ");
    QTimer drip;
    connect(&drip, &QTimer::timeout, dribbler, [dribbler] { dribbler->write("x"); });
    drip.start(500);

    // The 64 places taken, every further page refused 503, and nothing kept of it.
    std::vector<QTcpSocket*> places;
    for (int place = 0; place < TRoomService::kMaxConnections - 1; ++place) {
        places.push_back(OpenKeypad());
    }
    QTRY_COMPARE(m_Room->Keypads(), TRoomService::kMaxConnections);
    const qint64 before = MemoryKiB();
    for (int refused = 0; refused < 1500; ++refused) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, m_Port);
        socket.write("GET /board?t=" + kBoard + " HTTP/1.1\r\n\r\n");
        QVERIFY(WaitFor([&socket] { return socket.bytesAvailable() >= 12; }, 5000));
        const QByteArray answer = socket.readAll();
        QVERIFY2(answer.startsWith("HTTP/1.1 503"),
                 qPrintable(QStringLiteral("%1 %2").arg(refused).arg(m_Room->Keypads())));
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY2(MemoryKiB() - before < 8 * 1024, qPrintable(QString::number(MemoryKiB() - before)));
    for (QTcpSocket* place : places) {
        place->abort();
    }
    QTRY_COMPARE(m_Room->Keypads(), 1);

    // Pings sent and their pongs never read; the match's states never read: bounded, and the
    // unread page gets the newest state once it reads.
    QTcpSocket* pinger = OpenKeypad();
    QTcpSocket* unread = Connect();
    unread->write(Handshake("/keypad?t=" + kKeypad));
    // Neither reads: what the room sends stays in the network's buffers, then the room's. The
    // unread page still answers now and then, as a live page's pongs do, so that only its
    // reading is slow: a page silent for thirty seconds is cut off, and under the sanitizers on
    // a loaded machine the flood and the drain can take longer than that.
    for (QTcpSocket* deaf : {pinger, unread}) {
        deaf->setReadBufferSize(4096);
    }
    QElapsedTimer answered;
    answered.start();
    const auto answer = [&] {
        if (answered.elapsed() >= 1000) {
            unread->write(ClientFrame(TOpcode::Pong, {}));
            answered.restart();
        }
    };
    const qint64 flooding = MemoryKiB();
    const QByteArray ping = ClientFrame(TOpcode::Ping, "x");
    constexpr int kStates = 1000; // 8 MB of states, more than the network's buffers hold
    for (int round = 1; round <= kStates; ++round) {
        QByteArray pings;
        for (int count = 0; count < 20; ++count) {
            pings += ping;
        }
        pinger->write(pings);
        m_Room->Publish(R"({"type":"state","version":)" + QByteArray::number(round) +
                        R"(,"pad":")" + QByteArray(8000, 'p') + "\"}");
        answer();
        QCoreApplication::processEvents();
    }
    QVERIFY2(MemoryKiB() - flooding < 16 * 1024,
             qPrintable(QString::number(MemoryKiB() - flooding)));
    // The page drains megabytes 4 KiB at a time: under the sanitizers on a loaded machine that
    // took over 20 s once. The bound only keeps a broken room from hanging the test.
    QByteArray read;
    // The last state it gets is the newest: pings may come after it once the room has written
    // all, and no older state may.
    const auto lastState = [&] {
        const auto frames = ServerFrames(read.mid(read.indexOf("\r\n\r\n") + 4));
        for (auto frame = frames.rbegin(); frame != frames.rend(); ++frame) {
            if (frame->first == 0x1) {
                return frame->second;
            }
        }
        return QByteArray();
    };
    QVERIFY(WaitFor(
        [&] {
            answer();
            read += unread->readAll();
            return lastState().contains(R"("version":1000,)");
        },
        120000));
    const auto frames = ServerFrames(read.mid(read.indexOf("\r\n\r\n") + 4));
    QVERIFY2(frames.size() < kStates, qPrintable(QString::number(frames.size())));

    // The dribbled head is cut off at ten seconds; the silent socket, which answers no ping,
    // at thirty.
    QVERIFY(WaitFor([dribbler] { return dribbler->state() == QAbstractSocket::UnconnectedState; },
                    15000));
    QVERIFY(
        WaitFor([silent] { return silent->state() == QAbstractSocket::UnconnectedState; }, 40000));
    QVERIFY(!dribbler->readAll().contains("200 OK"));
}

// An address holds only a few sockets at the door, and the oldest there make way: floods of
// idle sockets from 127.0.0.2 to .9 leave the pages loaded from 127.0.0.1 their places. The
// 20 messages a second are per address as well as per connection.
void TestRoomDoor::PlacesGoToWhatShowsACode()
{
    std::vector<QTcpSocket*> flood;
    for (int host = 2; host <= 9; ++host) {
        for (int idle = 0; idle < 10; ++idle) {
            flood.push_back(Connect(QStringLiteral("127.0.0.%1").arg(host)));
        }
    }
    const auto open = [&flood] {
        return std::count_if(flood.begin(), flood.end(), [](const QTcpSocket* socket) {
            return socket->state() == QAbstractSocket::ConnectedState;
        });
    };
    QVERIFY2(WaitFor([&] { return open() <= TRoomGate::kDoorPlaces; }, 5000),
             qPrintable(QString::number(open())));
    for (int load = 0; load < 30; ++load) {
        Connect(QStringLiteral("127.0.0.%1").arg(2 + load % 8)); // the flood goes on
        QVERIFY(
            Exchange("GET /board?t=" + kBoard + " HTTP/1.1\r\n\r\n").startsWith("HTTP/1.1 200 OK"));
    }
    // Three keypads from one address, 15 messages each at once: one connection's limit would
    // let all 45 through.
    const int before = m_Messages;
    std::vector<QTcpSocket*> keypads = {OpenKeypad(), OpenKeypad(), OpenKeypad()};
    for (QTcpSocket* keypad : keypads) {
        QByteArray burst;
        for (int message = 0; message < 15; ++message) {
            burst += ClientFrame(TOpcode::Text, R"({"op":"undo","for":0})");
        }
        keypad->write(burst);
    }
    std::vector<QByteArray> read(keypads.size());
    const auto replies = [&] {
        int count = 0;
        for (size_t index = 0; index < keypads.size(); ++index) {
            read[index] += keypads[index]->readAll();
            for (const auto& frame :
                 ServerFrames(read[index].mid(read[index].indexOf("\r\n\r\n") + 4))) {
                count += frame.second.contains(R"("type":"reply")");
            }
        }
        return count;
    };
    QTRY_COMPARE(replies(), 45);
    QVERIFY(m_Messages - before >= TRoomService::kMaxMessagesPerSecond);
    QVERIFY2(m_Messages - before < 45, qPrintable(QString::number(m_Messages - before)));
}

// The events stream opens only with its own code and only as a WebSocket; it is greeted with
// the match in play and then sent every event in order, never the pages' state; a new code
// closes it. The overlay and the standings are pages of the board's code.
void TestRoomDoor::TheEventsStreamHasItsOwnCodeAndEveryEvent()
{
    m_Room->SetEventsToken(kEvents);
    m_Room->PublishEvent(R"({"event":"match"})", true);
    for (const auto& [request, status] : std::vector<std::pair<QByteArray, QByteArray>>{
             {"GET /events?t=" + kEvents + " HTTP/1.1\r\n\r\n", "HTTP/1.1 400"},
             {Handshake("/events?t=" + kBoard), "HTTP/1.1 403"},
             {Handshake("/keypad?t=" + kEvents), "HTTP/1.1 403"},
             {"GET /overlay?t=" + kKeypad + " HTTP/1.1\r\n\r\n", "HTTP/1.1 403"},
             {"GET /overlay?t=" + kBoard + "&w=1920&h=100 HTTP/1.1\r\n\r\n", "HTTP/1.1 200"},
             {"GET /standings?t=" + kKeypad + " HTTP/1.1\r\n\r\n", "HTTP/1.1 403"},
             {"GET /standings?t=" + kBoard + " HTTP/1.1\r\n\r\n", "HTTP/1.1 200"},
         }) {
        QVERIFY2(Exchange(request).startsWith(status), request.left(60).constData());
    }
    QTcpSocket* stream = Connect();
    stream->write(Handshake("/events?t=" + kEvents));
    QByteArray read;
    const auto frames = [&] {
        read += stream->readAll();
        return ServerFrames(read.mid(read.indexOf("\r\n\r\n") + 4));
    };
    QTRY_COMPARE(frames().size(), size_t{1});
    m_Room->Publish(R"({"type":"state","version":1})");
    m_Room->PublishEvent(R"({"event":"turn"})", false);
    m_Room->PublishEvent(R"({"event":"to-throw"})", false);
    QTRY_COMPARE(frames().size(), size_t{3});
    const auto got = frames();
    QCOMPARE(got[0].second, QByteArray(R"({"event":"match"})"));
    QCOMPARE(got[1].second, QByteArray(R"({"event":"turn"})"));
    QCOMPARE(got[2].second, QByteArray(R"({"event":"to-throw"})"));
    m_Room->SetEventsToken("otherT0kenotherT0kenotherT0ken56");
    QTRY_COMPARE(stream->state(), QAbstractSocket::UnconnectedState);
}

QTEST_GUILESS_MAIN(TestRoomDoor)
#include "RoomDoorTest.moc"
