#pragma once

// The room on the local network as the program sees it: one object from the room module
// (vantorix-room, loaded only when the room is switched on), which serves the board and keypad
// pages and their WebSockets on one port. The module knows nothing of the match: it hands each
// keypad's request to Submit and sends the pages whatever Publish last gave it.

#include "room/RoomAccess.h"
#include "room/RoomMessage.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// What a keypad's message came to: applied, refused by the match (Refusal), or not a request
// at all (Error); Id is the request's own, -1 when it sent none.
struct TRoomReply
{
    int64_t Id = -1;
    bool Applied = false;
    QString Refusal;
    QString Error;
};

struct TRoomCalls
{
    // A keypad's message as it came (at most kMaxMessageBytes); called on the program's
    // thread, one at a time, so that a second turn is checked against the first.
    std::function<TRoomReply(const QByteArray& message)> Submit;
    // The number of connected boards or keypads changed.
    std::function<void(int boards, int keypads)> ConnectionsChanged;
    // The window's "New codes" button.
    std::function<void()> NewCodes;
};

class TRoomService
{
public:
    static constexpr int kMaxConnections = 64;
    static constexpr int kMaxMessagesPerSecond = 20;

    virtual ~TRoomService() = default;
    // Serves on `port` (every interface) with these tokens: true, or false with the reason in
    // `error`. Called again, it keeps the port and takes the new tokens, closing every page
    // opened with the old ones.
    virtual bool Listen(quint16 port, const QByteArray& boardToken, const QByteArray& keypadToken,
                        QString& error) = 0;
    // Closes every connection at once and stops listening.
    virtual void Close() = 0;
    // The match as it stands, sent at once to every page and to each page that opens later.
    virtual void Publish(const QByteArray& stateJson) = 0;
    // The events stream's token (empty: no stream); a new one closes every stream opened with
    // the old.
    virtual void SetEventsToken(const QByteArray& token) = 0;
    // One event of the match, sent to every events stream in order; with `greeting` it is also
    // what each stream that opens later is sent first (the match in play).
    virtual void PublishEvent(const QByteArray& eventJson, bool greeting) = 0;
    virtual int Boards() const = 0;
    virtual int Keypads() const = 0;
    // The page's addresses with its token ("http://192.168.1.5:8405/keypad?t=…"), one for each
    // address the room's screens and phones can reach this computer at; the overlay's with its
    // size, the events stream's as ws://.
    virtual QStringList PageAddresses(TRoomRole page) const = 0;
    // The window with the two QR codes and the pages' addresses, made on first call and owned
    // by `parent`.
    virtual QWidget* Window(QWidget* parent) = 0;
};

using TNewRoomServiceFunction = TRoomService* (*)(const TRoomCalls& calls);
inline constexpr const char* kNewRoomServiceSymbol = "VtxNewRoomService";
