// libFuzzer target: any bytes given to the settings reader. It must never crash, and what it
// reads must come back unchanged through one more write and read.

#include "app/SettingsFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const TSettingsRead read = ReadSettings(bytes);
    const QByteArray written = WriteSettings(read.Settings);
    const TSettingsRead again = ReadSettings(written);
    if (!again.Problems.isEmpty() || WriteSettings(again.Settings) != written) {
        std::abort(); // the writer wrote something its own reader cannot take back
    }
    return 0;
}
