#include "caller/VoiceSound.h"

#include "caller/VoiceProtocol.h"

#include <iostream>

extern "C" {
#include <pulse/simple.h>
}

std::string PhrasePart(const std::string& line, size_t part)
{
    size_t begin = 0;
    for (size_t index = 0; index < part; ++index) {
        const size_t tab = line.find('\t', begin);
        if (tab == std::string::npos) {
            break;
        }
        begin = tab + 1;
    }
    const size_t end = line.find('\t', begin);
    return line.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

std::string ReadPhraseLine()
{
    std::string line;
    return std::getline(std::cin, line) ? line : std::string();
}

pa_simple* OpenSound(uint32_t rate, uint8_t channels)
{
    const pa_sample_spec format{PA_SAMPLE_S16LE, rate, channels};
    int error = 0;
    return pa_simple_new(nullptr, "Vantorix", PA_STREAM_PLAYBACK, nullptr, "call", &format, nullptr,
                         nullptr, &error);
}

int PlayPhrase(pa_simple* stream, const int16_t* samples, size_t count, uint8_t channels)
{
    Say("speaking");
    int error = 0;
    // Drained: the process ends only once the sound server has played the whole phrase.
    if (pa_simple_write(stream, samples, count * channels * sizeof(int16_t), &error) < 0 ||
        pa_simple_drain(stream, &error) < 0) {
        Say("cut");
        return 0;
    }
    pa_simple_free(stream);
    Say("done");
    return 0;
}
