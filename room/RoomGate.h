#pragma once

// The door of the room's port. A connection is let in only once its request's whole head has
// come, within ten seconds of connecting, and names a page (/board or /keypad) with that page's
// token: it is then handed on (Admitted) with its head read. What has no token, or a wrong one,
// gets 403 and nothing else, not even whether a match is in play; a head that is no page's GET
// (a body, a broken header or handshake, more than 8 KiB) gets 400. Those still at the door get
// little: at most a few from one address, and the oldest of them make way when the door is
// full, so that nobody can hold the room's places without a code.

#include "room/RoomAccess.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <vector>

class QTcpSocket;

class TRoomGate final : public QTcpServer
{
    Q_OBJECT

public:
    // The most connections at the door at once, and from one address.
    static constexpr int kDoorPlaces = 16;
    static constexpr int kDoorPlacesPerAddress = 4;
    // A head not come whole by then is not a page's (one dribbled a byte at a time included).
    static constexpr int kHeadMilliseconds = 10000;

    explicit TRoomGate(QObject* parent = nullptr);
    ~TRoomGate() override;

    void SetTokens(const QByteArray& boardToken, const QByteArray& keypadToken,
                   const QByteArray& eventsToken = {});
    // Every connection still at the door dropped at once.
    void DropAll();
    // Answers `socket` with `status` (403, 400, 503), no body that says more, and closes it.
    static void Refuse(QTcpSocket* socket, int status);

signals:
    // A request with its page's token and a sound head; the receiver owns `socket` from here.
    void Admitted(QTcpSocket* socket, const TRequestHead& head);

protected:
    void incomingConnection(qintptr handle) override;

private:
    struct TAtDoor
    {
        QPointer<QTcpSocket> Socket;
        QHostAddress Address;
    };

    void Inspect(QTcpSocket* socket);
    void Leave(QTcpSocket* socket);

    QByteArray m_BoardToken;
    QByteArray m_KeypadToken;
    QByteArray m_EventsToken;
    std::vector<TAtDoor> m_Door; // oldest first
};
