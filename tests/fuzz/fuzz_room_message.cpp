// libFuzzer target: any message a keypad page (or anyone on the network) sends. It must never
// crash; a request it takes is within its bounds and reads back the same from how a keypad
// sends it.

#include "room/RoomMessage.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray message(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString error;
    const std::optional<TRoomRequest> request = ParseRoomRequest(message, error);
    if (!request) {
        return error.isEmpty() ? (std::abort(), 0) : 0;
    }
    const bool inBounds = message.size() <= kMaxMessageBytes && request->Score >= 0 &&
                          request->Score <= 999 && request->Darts.size() <= 3 &&
                          (request->Kind != TRoomRequestKind::Checkout ||
                           (request->CheckoutDarts >= 1 && request->CheckoutDarts <= 3));
    QString again;
    if (!inBounds || ParseRoomRequest(RoomRequestJson(*request), again) != request) {
        std::abort();
    }
    return 0;
}
