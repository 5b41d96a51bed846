// libFuzzer target: whatever reaches the room's port before it is let in, as a first line and as
// a whole request head. It must never crash, and it lets a request through only with the page's
// own token, exactly; a head it lets through is a GET without a body.

#include "room/RoomAccess.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QByteArray board = "b0ardT0kenb0ardT0kenb0ardT0ken12";
    static const QByteArray keypad = "keypadT0kenkeypadT0kenkeypad123";
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QByteArray line =
        input.left(input.indexOf("\r\n") < 0 ? input.size() : input.indexOf("\r\n"));
    const bool boardShown = line.contains("/board?") && line.contains("t=" + board);
    const bool keypadShown = line.contains("/keypad?") && line.contains("t=" + keypad);
    const TRoomRole role = RoleOfRequestLine(line, board, keypad);
    if ((role == TRoomRole::Board && !boardShown) || (role == TRoomRole::Keypad && !keypadShown)) {
        std::abort();
    }
    const TRequestHead head = ReadRequestHead(input, board, keypad);
    if (head.Status == 0 &&
        (head.Role != role || role == TRoomRole::None || !line.trimmed().startsWith("GET ") ||
         input.size() > kMaxRequestHead || !input.endsWith("\r\n\r\n") ||
         (head.Upgrade && QByteArray::fromBase64(head.WebSocketKey).size() != 16))) {
        std::abort();
    }
    return 0;
}
