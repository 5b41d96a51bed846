#include "RoomAccess.h"

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
                       const QByteArray& keypadToken)
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
    // Both tokens are always compared, so that the time does not tell which page matched.
    const bool board = SameToken(token, boardToken);
    const bool keypad = SameToken(token, keypadToken);
    if (path == "/board" && board) {
        return TRoomRole::Board;
    }
    if (path == "/keypad" && keypad) {
        return TRoomRole::Keypad;
    }
    return TRoomRole::None;
}

TRoomRole RoleOfRequestLine(const QByteArray& line, const QByteArray& boardToken,
                            const QByteArray& keypadToken)
{
    const QList<QByteArray> parts = line.trimmed().split(' ');
    if (parts.size() != 3 || parts[0] != "GET" || !parts[2].startsWith("HTTP/1.")) {
        return TRoomRole::None;
    }
    return RoleOfTarget(parts[1], boardToken, keypadToken);
}
