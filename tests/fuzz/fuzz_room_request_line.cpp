// libFuzzer target: the first line of any request that reaches the room's port. It must never
// crash, and it lets a request through only with the page's own token, exactly.

#include "RoomAccess.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QByteArray board = "b0ardT0kenb0ardT0kenb0ardT0ken12";
    static const QByteArray keypad = "keypadT0kenkeypadT0kenkeypad123";
    const QByteArray line(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const TRoomRole role = RoleOfRequestLine(line, board, keypad);
    const bool boardShown = line.contains("/board?") && line.contains("t=" + board);
    const bool keypadShown = line.contains("/keypad?") && line.contains("t=" + keypad);
    if ((role == TRoomRole::Board && !boardShown) || (role == TRoomRole::Keypad && !keypadShown)) {
        std::abort();
    }
    return 0;
}
