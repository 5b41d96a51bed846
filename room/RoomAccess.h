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
};

// The page a request's first line asks for with its token ("GET /keypad?t=… HTTP/1.1"), or None
// when the token is missing or wrong for that page. Tokens are compared in constant time.
TRoomRole RoleOfRequestLine(const QByteArray& line, const QByteArray& boardToken,
                            const QByteArray& keypadToken);
// The page and token of a path with its query ("/board?t=…"), as RoleOfRequestLine.
TRoomRole RoleOfTarget(const QByteArray& target, const QByteArray& boardToken,
                       const QByteArray& keypadToken);
bool SameToken(const QByteArray& given, const QByteArray& token);
