// libFuzzer target: any bytes given to the settings reader. It must never crash, and what it
// reads must come back unchanged through one more write and read. The club's server's address
// it reads is read as the program reads it: never a crash, and either an answer or a refusal.

#include "app/SettingsFile.h"
#include "store/ClubAddress.h"

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
    if (read.Settings.ClubDatabase) {
        QString problem;
        const QString options = ClubConnectOptions(*read.Settings.ClubDatabase, problem);
        if (options.isEmpty() == problem.isEmpty()) {
            std::abort(); // an answer and a refusal at once, or neither
        }
    }
    return 0;
}
