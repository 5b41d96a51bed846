#include "room/RoomPeer.h"

#include "room/RoomFrames.h"
#include "room/RoomPages.h"

#include <QStringDecoder>
#include <QTcpSocket>

TRoomPeer::TRoomPeer(QTcpSocket* socket, const TRequestHead& head, qint64 largestMessage,
                     QObject* parent)
    : QObject(parent), m_Socket(socket), m_Role(head.Role), m_WebSocket(head.Upgrade),
      m_Address(socket->peerAddress()), m_LargestMessage(largestMessage)
{
    socket->setParent(this);
    connect(socket, &QTcpSocket::disconnected, this, [this] { emit Gone(this); });
    connect(socket, &QTcpSocket::bytesWritten, this, &TRoomPeer::Written);
    connect(socket, &QTcpSocket::readyRead, this, &TRoomPeer::Read);
    // What a page may send is read a frame's worth at a time: nothing more is taken from the
    // network until that is dealt with.
    socket->setReadBufferSize(m_LargestMessage + 64);
    m_Heard.start();
    if (!m_WebSocket) {
        // The page, then the connection closes; one that never reads it is not waited for.
        Write(RoomPageAnswer(m_Role));
        socket->disconnectFromHost();
        m_Ping.setSingleShot(true);
        connect(&m_Ping, &QTimer::timeout, this, &TRoomPeer::Drop);
        m_Ping.start(kSilentMilliseconds);
        return;
    }
    Write("HTTP/1.1 101 Switching Protocols\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
          "Sec-WebSocket-Accept: " +
          WebSocketAccept(head.WebSocketKey) + "\r\n\r\n");
    connect(&m_Ping, &QTimer::timeout, this, &TRoomPeer::KeepAlive);
    m_Ping.start(kPingMilliseconds);
    if (socket->bytesAvailable() > 0) {
        QMetaObject::invokeMethod(this, &TRoomPeer::Read, Qt::QueuedConnection);
    }
}

TRoomPeer::~TRoomPeer() = default;

void TRoomPeer::Write(const QByteArray& bytes)
{
    if (m_Socket != nullptr) {
        m_Socket->write(bytes);
    }
}

void TRoomPeer::Drop()
{
    m_Ping.stop();
    if (m_Socket != nullptr) {
        m_Socket->abort();
    }
    emit Gone(this);
}

void TRoomPeer::Send(const QString& text, bool latest)
{
    if (!m_WebSocket || m_Closing || m_Socket == nullptr) {
        return;
    }
    const QByteArray frame = ServerFrame(TOpcode::Text, text.toUtf8());
    if (latest) {
        // A newer state makes the one waiting worthless: sent after this one, it would put the
        // page back to an older state.
        m_Waiting.clear();
    }
    if (m_Socket->bytesToWrite() > kSlowReaderBytes) {
        if (latest) {
            m_Waiting = frame; // only the newest state waits; the ones before it never matter
        }
        return;
    }
    Write(frame);
}

void TRoomPeer::Written()
{
    if (m_Socket == nullptr) {
        return;
    }
    if (!m_Waiting.isEmpty() && m_Socket->bytesToWrite() <= kSlowReaderBytes) {
        Write(std::exchange(m_Waiting, {}));
    }
}

void TRoomPeer::KeepAlive()
{
    if (m_Heard.elapsed() >= kSilentMilliseconds) {
        Drop(); // a page that answers nothing is gone
        return;
    }
    if (m_Socket != nullptr && m_Socket->bytesToWrite() <= kSlowReaderBytes) {
        Write(ServerFrame(TOpcode::Ping, {}));
    }
}

void TRoomPeer::Close(uint16_t code)
{
    if (m_Closing || m_Socket == nullptr) {
        return;
    }
    m_Closing = true;
    Write(CloseFrame(code));
    m_Socket->disconnectFromHost();
    m_Ping.stop();
    m_Ping.setSingleShot(true);
    disconnect(&m_Ping, nullptr, this, nullptr);
    connect(&m_Ping, &QTimer::timeout, this, &TRoomPeer::Drop);
    m_Ping.start(kPingMilliseconds);
}

void TRoomPeer::Read()
{
    if (m_Socket == nullptr) {
        return;
    }
    if (!m_WebSocket || m_Closing) {
        m_Socket->readAll(); // a page's GET has said all it may
        return;
    }
    m_Buffer += m_Socket->readAll();
    for (;;) {
        TFrame frame;
        const TFrameResult result = ReadClientFrame(m_Buffer, m_LargestMessage, frame);
        if (result.Read == TFrameRead::NeedMore) {
            return;
        }
        if (result.Read == TFrameRead::Broken) {
            Close(result.CloseCode);
            return;
        }
        m_Heard.restart();
        switch (frame.Opcode) {
        case TOpcode::Ping:
            if (m_Socket->bytesToWrite() <= kSlowReaderBytes) {
                Write(ServerFrame(TOpcode::Pong, frame.Payload));
            }
            continue;
        case TOpcode::Pong:
            continue;
        case TOpcode::Close:
            Close(kCloseNormal);
            return;
        case TOpcode::Continuation:
            if (!m_InMessage) {
                Close(kCloseProtocol);
                return;
            }
            m_Message += frame.Payload;
            break;
        case TOpcode::Text:
        case TOpcode::Binary:
            if (m_InMessage) {
                Close(kCloseProtocol);
                return;
            }
            m_InMessage = true;
            m_Binary = frame.Opcode == TOpcode::Binary;
            m_Message = frame.Payload;
            break;
        }
        if (m_Message.size() > m_LargestMessage) {
            Close(kCloseTooBig);
            return;
        }
        if (!frame.Final) {
            continue;
        }
        m_InMessage = false;
        const QByteArray message = std::exchange(m_Message, {});
        if (m_Binary) {
            Send(QStringLiteral(R"({"type":"reply","error":"Send text, not binary messages"})"));
            continue;
        }
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString text = decoder(message);
        if (decoder.hasError()) {
            Close(kCloseNotText);
            return;
        }
        emit Message(this, text);
        if (m_Socket == nullptr || m_Closing) {
            return;
        }
    }
}
