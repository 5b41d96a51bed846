#pragma once

// The door of the room's port: every connection is let through to the HTTP server only once
// the first line of its request names a page (/board or /keypad) with that page's token. What
// has no token, or a wrong one, gets 403 and nothing else, not even whether a match is in play;
// a connection beyond the last allowed gets 503. Upgrades to a WebSocket pass the same door, so
// no page's socket opens without its token.

#include "RoomAccess.h"

#include <QByteArray>
#include <QPointer>
#include <QTcpServer>
#include <vector>

class QTcpSocket;

class TRoomGate final : public QTcpServer
{
    Q_OBJECT

public:
    TRoomGate(int maxConnections, QObject* parent = nullptr);
    ~TRoomGate() override;

    void SetTokens(const QByteArray& boardToken, const QByteArray& keypadToken);
    // Every connection open now, let through or not, dropped at once.
    void DropAll();

protected:
    void incomingConnection(qintptr handle) override;

private:
    void Inspect(QTcpSocket* socket);
    void Refuse(QTcpSocket* socket, const char* status);

    int m_MaxConnections;
    QByteArray m_BoardToken;
    QByteArray m_KeypadToken;
    std::vector<QPointer<QTcpSocket>> m_Sockets;
};
