#include "room/RoomGate.h"

#include <QTcpSocket>
#include <QTimer>
#include <algorithm>

TRoomGate::TRoomGate(QObject* parent) : QTcpServer(parent) {}

TRoomGate::~TRoomGate()
{
    DropAll();
}

void TRoomGate::SetTokens(const QByteArray& boardToken, const QByteArray& keypadToken,
                          const QByteArray& eventsToken)
{
    m_BoardToken = boardToken;
    m_KeypadToken = keypadToken;
    m_EventsToken = eventsToken;
}

void TRoomGate::DropAll()
{
    const std::vector<TAtDoor> door = std::move(m_Door);
    m_Door.clear();
    for (const TAtDoor& waiting : door) {
        if (!waiting.Socket.isNull()) {
            waiting.Socket->abort();
            waiting.Socket->deleteLater();
        }
    }
}

void TRoomGate::incomingConnection(qintptr handle)
{
    std::erase_if(m_Door, [](const TAtDoor& waiting) { return waiting.Socket.isNull(); });
    auto* socket = new QTcpSocket(this);
    // Whatever happens to it, a socket that closes is deleted: nothing it held stays behind.
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    if (!socket->setSocketDescriptor(handle)) {
        delete socket;
        return;
    }
    const QHostAddress address = socket->peerAddress();
    const auto fromThere =
        std::count_if(m_Door.begin(), m_Door.end(), [&address](const TAtDoor& waiting) {
            return waiting.Address.isEqual(address);
        });
    if (fromThere >= kDoorPlacesPerAddress) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    if (static_cast<int>(m_Door.size()) >= kDoorPlaces) {
        // The door is full: the one that has waited longest without a page's head makes way.
        QPointer<QTcpSocket> oldest = m_Door.front().Socket;
        m_Door.erase(m_Door.begin());
        if (!oldest.isNull()) {
            oldest->abort();
            oldest->deleteLater();
        }
    }
    m_Door.push_back({socket, address});
    // Nothing is read past a head's limit until the head is looked at.
    socket->setReadBufferSize(kMaxRequestHead + 1);
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Inspect(socket); });
    auto* deadline = new QTimer(socket);
    deadline->setObjectName(QStringLiteral("RoomDoorDeadline"));
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, socket, [this, socket] {
        Leave(socket);
        socket->abort();
        socket->deleteLater();
    });
    deadline->start(kHeadMilliseconds);
}

void TRoomGate::Leave(QTcpSocket* socket)
{
    std::erase_if(m_Door, [socket](const TAtDoor& waiting) { return waiting.Socket == socket; });
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
    delete socket->findChild<QTimer*>(QStringLiteral("RoomDoorDeadline"));
}

void TRoomGate::Inspect(QTcpSocket* socket)
{
    const QByteArray seen = socket->peek(kMaxRequestHead + 1);
    // A first line with no page's token is refused at once, before its headers come.
    const qsizetype lineEnd = seen.indexOf("\r\n");
    if (lineEnd >= 0 && RoleOfRequestLine(seen.left(lineEnd), m_BoardToken, m_KeypadToken,
                                          m_EventsToken) == TRoomRole::None) {
        Leave(socket);
        Refuse(socket, 403);
        return;
    }
    const qsizetype end = seen.indexOf("\r\n\r\n");
    if (end < 0) {
        if (seen.size() > kMaxRequestHead) {
            Leave(socket);
            Refuse(socket, 400);
        }
        return;
    }
    const QByteArray headBytes = socket->read(end + 4);
    const TRequestHead head =
        ReadRequestHead(headBytes, m_BoardToken, m_KeypadToken, m_EventsToken);
    Leave(socket);
    if (head.Status != 0) {
        Refuse(socket, head.Status);
        return;
    }
    socket->setParent(nullptr);
    emit Admitted(socket, head);
}

void TRoomGate::Refuse(QTcpSocket* socket, int status)
{
    const QByteArray text = status == 403   ? "403 Forbidden"
                            : status == 503 ? "503 Service Unavailable"
                                            : "400 Bad Request";
    const QByteArray body = text + '\n';
    socket->setReadBufferSize(1);
    socket->write("HTTP/1.1 " + text +
                  "\r\nContent-Type: text/plain\r\nConnection: close\r\nContent-Length: " +
                  QByteArray::number(body.size()) + "\r\n\r\n" + body);
    socket->disconnectFromHost();
    // One that never reads its answer is not waited for.
    QTimer::singleShot(kHeadMilliseconds, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    if (socket->state() == QAbstractSocket::UnconnectedState) {
        socket->deleteLater();
    }
}
