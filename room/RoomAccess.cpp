#include "room/RoomAccess.h"

#include <QCryptographicHash>
#include <QList>

bool SameToken(const QByteArray& given, const QByteArray& token)
{
    // Every byte is looked at whatever differs, so the time taken tells nothing of the token.
    if (token.isEmpty()) {
        return false;
    }
    unsigned difference = given.size() == token.size() ? 0U : 1U;
    for (qsizetype index = 0; index < token.size(); ++index) {
        const char mine = token[index];
        const char theirs = index < given.size() ? given[index] : '\0';
        difference |= static_cast<unsigned>(static_cast<unsigned char>(mine) ^
                                            static_cast<unsigned char>(theirs));
    }
    return difference == 0U;
}

TRoomRole RoleOfTarget(const QByteArray& target, const QByteArray& boardToken,
                       const QByteArray& keypadToken, const QByteArray& eventsToken)
{
    const qsizetype mark = target.indexOf('?');
    const QByteArray path = target.left(mark < 0 ? target.size() : mark);
    const QByteArray query = mark < 0 ? QByteArray() : target.mid(mark + 1);
    QByteArray token;
    for (const QByteArray& pair : query.split('&')) {
        if (pair.startsWith("t=")) {
            token = pair.mid(2);
            break;
        }
    }
    // Every token is always compared, so that the time does not tell which page matched.
    const bool board = SameToken(token, boardToken);
    const bool keypad = SameToken(token, keypadToken);
    const bool events = SameToken(token, eventsToken);
    if (path == "/board" && board) {
        return TRoomRole::Board;
    }
    if (path == "/overlay" && board) {
        return TRoomRole::Overlay;
    }
    if (path == "/standings" && board) {
        return TRoomRole::Standings;
    }
    if (path == "/events" && events) {
        return TRoomRole::Events;
    }
    if (path == "/keypad" && keypad) {
        return TRoomRole::Keypad;
    }
    return TRoomRole::None;
}

TRoomRole RoleOfRequestLine(const QByteArray& line, const QByteArray& boardToken,
                            const QByteArray& keypadToken, const QByteArray& eventsToken)
{
    const QList<QByteArray> parts = line.trimmed().split(' ');
    if (parts.size() != 3 || parts[0] != "GET" || !parts[2].startsWith("HTTP/1.")) {
        return TRoomRole::None;
    }
    return RoleOfTarget(parts[1], boardToken, keypadToken, eventsToken);
}

namespace {

// Whether the comma-separated header value `value` lists `token` (case aside).
bool Lists(const QByteArray& value, const char* token)
{
    for (const QByteArray& item : value.split(',')) {
        if (item.trimmed().compare(token, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

constexpr int kMaxHeaders = 64;

} // namespace

TRequestHead ReadRequestHead(const QByteArray& head, const QByteArray& boardToken,
                             const QByteArray& keypadToken, const QByteArray& eventsToken)
{
    TRequestHead read;
    read.Status = 400;
    if (head.size() > kMaxRequestHead || !head.endsWith("\r\n\r\n")) {
        return read;
    }
    // Lines end in CRLF; a bare CR or LF inside one is no page's.
    QList<QByteArray> lines;
    const QByteArray text = head.left(head.size() - 4);
    for (qsizetype start = 0; start <= text.size();) {
        qsizetype end = text.indexOf("\r\n", start);
        end = end < 0 ? text.size() : end;
        lines << text.mid(start, end - start);
        start = end + 2;
        if (lines.size() > kMaxHeaders + 1) {
            return read;
        }
    }
    QByteArray upgrade;
    QByteArray connection;
    QByteArray version;
    bool body = false;
    for (qsizetype index = 1; index < lines.size(); ++index) {
        const QByteArray& line = lines[index];
        const qsizetype colon = line.indexOf(':');
        // A header without a name, or folded onto a line of its own, is not a page's.
        if (colon <= 0 || line.front() == ' ' || line.front() == '\t' || line.contains('\r') ||
            line.contains('\n')) {
            return read;
        }
        const QByteArray name = line.left(colon).trimmed().toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (name == "content-length") {
            body = body || value != "0";
        } else if (name == "transfer-encoding") {
            body = true;
        } else if (name == "upgrade") {
            upgrade = value;
        } else if (name == "connection") {
            connection = value;
        } else if (name == "sec-websocket-version") {
            version = value;
        } else if (name == "sec-websocket-key") {
            read.WebSocketKey = value;
        }
    }
    const QByteArray& first = lines.front();
    if (first.contains('\r') || first.contains('\n')) {
        return read;
    }
    read.Role = RoleOfRequestLine(first, boardToken, keypadToken, eventsToken);
    if (read.Role == TRoomRole::None) {
        read.Status = 403;
        return read;
    }
    if (body) {
        return read; // a page's GET has no body
    }
    read.Upgrade = Lists(upgrade, "websocket");
    if (read.Upgrade) {
        // The handshake RFC 6455 asks for: version 13 and a key of 16 bytes in base64.
        const QByteArray key = QByteArray::fromBase64(read.WebSocketKey);
        if (!Lists(connection, "upgrade") || version != "13" || key.size() != 16 ||
            read.WebSocketKey.size() != 24) {
            return read;
        }
    } else if (read.Role == TRoomRole::Events) {
        return read; // the stream is no page
    }
    read.Status = 0;
    return read;
}

QByteArray WebSocketAccept(const QByteArray& key)
{
    return QCryptographicHash::hash(key + "258EAFA5-E914-47DA-95CA-C5AB0DC85B11",
                                    QCryptographicHash::Sha1)
        .toBase64();
}
