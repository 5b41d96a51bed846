#pragma once

// One connection let in by the door: a page's GET, answered with the page and closed once it is
// sent, or a page's WebSocket (RFC 6455, text messages only), kept while it answers: pinged
// when quiet, dropped when it has answered nothing for 30 seconds. Nothing it sends or is sent
// is held without bound: frames past the room's limit close it, and a page too slow to read
// is sent only the newest state once it has read what it has.

#include "room/RoomAccess.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QTcpSocket;

class TRoomPeer final : public QObject
{
    Q_OBJECT

public:
    static constexpr int kPingMilliseconds = 10000;
    static constexpr int kSilentMilliseconds = 30000;
    // What may wait to be written to a page before only the newest state is kept.
    static constexpr qint64 kSlowReaderBytes = 64 * 1024;

    // Takes `socket`, whose request `head` the door has read.
    TRoomPeer(QTcpSocket* socket, const TRequestHead& head, qint64 largestMessage,
              QObject* parent = nullptr);
    ~TRoomPeer() override;

    TRoomRole Role() const { return m_Role; }
    bool IsWebSocket() const { return m_WebSocket; }
    QHostAddress Address() const { return m_Address; }
    // A text message to the page; `latest` (the match's state) replaces one still waiting.
    void Send(const QString& text, bool latest = false);
    // Closes the connection at once.
    void Drop();

signals:
    void Message(TRoomPeer* peer, const QString& text);
    void Gone(TRoomPeer* peer);

private:
    void Read();
    void Written();
    void KeepAlive();
    void Close(uint16_t code);
    void Write(const QByteArray& bytes);

    QPointer<QTcpSocket> m_Socket;
    TRoomRole m_Role;
    bool m_WebSocket;
    QHostAddress m_Address;
    qint64 m_LargestMessage;
    QByteArray m_Buffer;
    QByteArray m_Message; // a fragmented message's parts so far
    bool m_InMessage = false;
    bool m_Binary = false;
    bool m_Closing = false;
    QByteArray m_Waiting; // the newest state, held for a slow reader
    QTimer m_Ping;
    QElapsedTimer m_Heard;
};
