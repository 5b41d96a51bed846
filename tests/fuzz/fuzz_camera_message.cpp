// libFuzzer target: any message a camera service (or anyone at its address) sends. It must
// never crash; a state it takes holds darts a board has, at most a visit's worth, and reads
// back the same from how the service sends it.

#include "boards/CameraMessages.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray message(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString error;
    const std::optional<TCameraState> state = ParseCameraMessage(message, error);
    if (!state) {
        return 0;
    }
    if (state->Throws.size() > kMaxCameraThrows || !error.isEmpty()) {
        std::abort();
    }
    for (const TDart& dart : state->Throws) {
        const bool bed = dart.Segment == 0    ? dart.Multiplier == 1
                         : dart.Segment == 25 ? dart.Multiplier == 1 || dart.Multiplier == 2
                                              : dart.Segment >= 1 && dart.Segment <= 20 &&
                                                    dart.Multiplier >= 1 && dart.Multiplier <= 3;
        if (!bed) {
            std::abort();
        }
    }
    QString again;
    if (ParseCameraMessage(CameraStateJson(*state), again) != state) {
        std::abort();
    }
    return 0;
}
