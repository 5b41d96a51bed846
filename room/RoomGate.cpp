#include "RoomGate.h"

#include <QTcpSocket>
#include <QTimer>
#include <algorithm>

namespace {

// A request's first line is short; one that has not ended by then is not a page's.
constexpr qint64 kMaxRequestLine = 1024;
// A connection that says nothing is closed after this long, so that idle ones cannot hold the
// room's places.
constexpr int kFirstLineMilliseconds = 10000;

} // namespace

TRoomGate::TRoomGate(int maxConnections, QObject* parent)
    : QTcpServer(parent), m_MaxConnections(maxConnections)
{}

TRoomGate::~TRoomGate()
{
    DropAll();
}

void TRoomGate::SetTokens(const QByteArray& boardToken, const QByteArray& keypadToken)
{
    m_BoardToken = boardToken;
    m_KeypadToken = keypadToken;
}

void TRoomGate::DropAll()
{
    const std::vector<QPointer<QTcpSocket>> sockets = std::move(m_Sockets);
    m_Sockets.clear();
    for (const QPointer<QTcpSocket>& socket : sockets) {
        if (socket.isNull()) {
            continue;
        }
        // One let through belongs to the HTTP server or its WebSocket, which delete it once
        // it is closed; only those still at the door are the gate's own.
        const bool passed = socket->parent() != this;
        socket->abort();
        if (!passed) {
            socket->deleteLater();
        }
    }
}

void TRoomGate::incomingConnection(qintptr handle)
{
    std::erase_if(m_Sockets, [](const QPointer<QTcpSocket>& s) { return s.isNull(); });
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(handle)) {
        delete socket;
        return;
    }
    if (static_cast<int>(m_Sockets.size()) >= m_MaxConnections) {
        Refuse(socket, "503 Service Unavailable");
        return;
    }
    m_Sockets.emplace_back(socket);
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Inspect(socket); });
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    auto* quiet = new QTimer(socket);
    quiet->setSingleShot(true);
    connect(quiet, &QTimer::timeout, socket, [socket] { socket->abort(); });
    quiet->start(kFirstLineMilliseconds);
    socket->setProperty("vtxQuiet", QVariant::fromValue<QObject*>(quiet));
}

void TRoomGate::Inspect(QTcpSocket* socket)
{
    const QByteArray seen = socket->peek(kMaxRequestLine);
    const qsizetype end = seen.indexOf("\r\n");
    if (end < 0) {
        if (seen.size() >= kMaxRequestLine) {
            Refuse(socket, "403 Forbidden");
        }
        return;
    }
    if (RoleOfRequestLine(seen.left(end), m_BoardToken, m_KeypadToken) == TRoomRole::None) {
        Refuse(socket, "403 Forbidden");
        return;
    }
    // Let through: from here the HTTP server reads the socket (and, for a WebSocket, hands it
    // on). What has arrived already is read as soon as the server has taken the socket.
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
    if (auto* quiet = socket->property("vtxQuiet").value<QObject*>()) {
        delete quiet;
    }
    socket->setParent(nullptr);
    addPendingConnection(socket);
    emit newConnection();
    QTimer::singleShot(0, socket, [socket] { emit socket->readyRead(); });
}

void TRoomGate::Refuse(QTcpSocket* socket, const char* status)
{
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
    const QByteArray body = QByteArray(status) + '\n';
    socket->write("HTTP/1.1 " + QByteArray(status) +
                  "\r\nContent-Type: text/plain\r\nConnection: close\r\nContent-Length: " +
                  QByteArray::number(body.size()) + "\r\n\r\n" + body);
    socket->disconnectFromHost();
    if (socket->state() == QAbstractSocket::UnconnectedState) {
        socket->deleteLater();
    }
}
