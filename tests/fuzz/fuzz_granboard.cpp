// libFuzzer target: any notification a Bluetooth device sends on the soft-tip board's
// characteristic. It must never crash, and what it takes is a dart a board has, from a short
// message ending in "@" (padding after it aside).

#include "boards/GranboardMessages.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view message(reinterpret_cast<const char*>(data), size);
    const std::optional<TDart> dart = GranboardDart(message);
    if (dart && (GranboardButton(message) || dart->Segment < 0 || dart->Segment > 25 ||
                 dart->Multiplier < 1 || dart->Multiplier > 3 || message.find('@') > 5)) {
        std::abort();
    }
    return 0;
}
