// libFuzzer target: any bytes as a checkout table, looked up like the program does.

#include "ui/hints/CheckoutTable.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    const size_t brackets = static_cast<size_t>(std::count(text.begin(), text.end(), '['));
    const CCheckoutTable table = CCheckoutTable::FromText(std::move(text));
    if (table.SectionCount() > brackets) {
        std::abort(); // a section without a header
    }
    for (int score : {-1, 0, 2, 40, 99, 170, 180, 501}) {
        for (const std::string& hint : table.Hints(score)) {
            if (hint.find('\n') != std::string::npos) {
                std::abort(); // a value runs over its line
            }
        }
    }
    return 0;
}
