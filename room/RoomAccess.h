#pragma once

// Who may open what in the room: a page's address and its token, read from a request's first
// line. Qt Core only, so that the fuzzer reads it as the room's door does.

#include <QByteArray>
#include <cstdint>

enum class TRoomRole : uint8_t
{
    None,
    Board,
    Keypad,
    // The events stream (a WebSocket with its own token) and the stream overlay page (the
    // board's token).
    Events,
    Overlay,
    // A competition's standings and next fixtures for the room's screen (the board's token).
    Standings,
};

// The page a request's first line asks for with its token ("GET /keypad?t=… HTTP/1.1"), or None
// when the token is missing or wrong for that page. Tokens are compared in constant time.
TRoomRole RoleOfRequestLine(const QByteArray& line, const QByteArray& boardToken,
                            const QByteArray& keypadToken, const QByteArray& eventsToken = {});
// The page and token of a path with its query ("/board?t=…"), as RoleOfRequestLine.
TRoomRole RoleOfTarget(const QByteArray& target, const QByteArray& boardToken,
                       const QByteArray& keypadToken, const QByteArray& eventsToken = {});
bool SameToken(const QByteArray& given, const QByteArray& token);

// The most a request's head (its first line and headers) may take; a page's is a few hundred
// bytes.
inline constexpr qsizetype kMaxRequestHead = 8192;

// What the door makes of a request's whole head (up to the blank line that ends it).
struct TRequestHead
{
    TRoomRole Role = TRoomRole::None;
    // A WebSocket handshake (RFC 6455), with its key; otherwise a GET of the page.
    bool Upgrade = false;
    QByteArray WebSocketKey;
    // 0: it may go on; else the HTTP status it is answered with: 403 without the page's token,
    // 400 for a head that is no GET of a page (a body, a broken header, a broken handshake).
    int Status = 403;
};

// Reads `head`, at most kMaxRequestHead bytes ending in "\r\n\r\n"; anything else is 400, and
// so is the events stream asked for without a WebSocket handshake.
TRequestHead ReadRequestHead(const QByteArray& head, const QByteArray& boardToken,
                             const QByteArray& keypadToken, const QByteArray& eventsToken = {});
// The Sec-WebSocket-Accept of a handshake's key.
QByteArray WebSocketAccept(const QByteArray& key);
