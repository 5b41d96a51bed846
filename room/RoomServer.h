#pragma once

// The room module's service: the board and keypad pages over HTTP, their WebSockets, and the
// window with the pages' QR codes. Each connected page is sent the match as published, at once
// and after every change; each keypad message is parsed, held to the room's limits and handed
// to the program.

#include "room/RoomGate.h"
#include "room/RoomService.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <array>
#include <map>
#include <memory>
#include <vector>

class TRoomPeer;
class TRoomWindow;

class TRoomServer final : public QObject, public TRoomService
{
    Q_OBJECT

public:
    explicit TRoomServer(const TRoomCalls& calls);
    ~TRoomServer() override;

    bool Listen(quint16 port, const QByteArray& boardToken, const QByteArray& keypadToken,
                QString& error) override;
    void Close() override;
    void Publish(const QByteArray& stateJson) override;
    void SetEventsToken(const QByteArray& token) override;
    void PublishEvent(const QByteArray& eventJson, bool greeting) override;
    int Boards() const override;
    int Keypads() const override;
    QStringList PageAddresses(TRoomRole page) const override;
    QWidget* Window(QWidget* parent) override;

private:
    // When the last kMaxMessagesPerSecond messages came, oldest first: a message that comes
    // within a second of the one that many before it is dropped.
    struct TRate
    {
        std::array<qint64, kMaxMessagesPerSecond> Times{};
        size_t Next = 0;
        TRate() { Times.fill(-1000000); }
        bool Allows(qint64 now) const { return now - Times[Next] >= 1000; }
        void Count(qint64 now)
        {
            Times[Next] = now;
            Next = (Next + 1) % Times.size();
        }
    };
    struct TPage
    {
        TRoomPeer* Peer = nullptr;
        TRate Rate;
    };

    void Admit(QTcpSocket* socket, const TRequestHead& head);
    void Received(TRoomPeer* peer, const QString& message);
    void Forget(TRoomPeer* peer);
    void DropPages();
    void Counted();
    void UpdateWindow();

    TRoomCalls m_Calls;
    std::unique_ptr<TRoomGate> m_Gate;
    quint16 m_Port = 0;
    QByteArray m_BoardToken;
    QByteArray m_KeypadToken;
    QByteArray m_EventsToken;
    QByteArray m_State;
    QByteArray m_Greeting;
    std::vector<std::unique_ptr<TPage>> m_Pages;
    // The same limit over every connection from one address, kept after they close: many
    // connections, or one opened again and again, send no more than one would.
    std::map<QString, TRate> m_Addresses;
    QElapsedTimer m_Clock;
    QPointer<TRoomWindow> m_Window;
};
