// libFuzzer target: any text typed (or sent) as darts. It must never crash; darts it takes are
// darts that can be thrown, at most three, and read back the same from how they are shown.

#include "model/DartNotation.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<TDart> darts;
    std::string bad;
    if (!ParseDarts(text, darts, &bad)) {
        return darts.empty() ? 0 : (std::abort(), 0);
    }
    std::string shown;
    for (const TDart& dart : darts) {
        if (!IsValidDart(dart)) {
            std::abort();
        }
        shown.append(DartText(dart)).append(1, ' ');
    }
    std::vector<TDart> again;
    if (darts.size() > 3 || !ParseDarts(shown, again) || again != darts) {
        std::abort();
    }
    return 0;
}
