#include "caller/EspeakVoice.h"

#include "caller/VoiceProtocol.h"
#include "caller/VoiceSound.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

extern "C" {
#include <espeak-ng/speak_lib.h>
#include <pulse/simple.h>
}

namespace {

// No phrase is this long; a sound server that never drains must not keep a voice alive.
constexpr unsigned kLongestCallSeconds = 30;

std::vector<int16_t>& Samples()
{
    static std::vector<int16_t> samples;
    return samples;
}

int Collect(short* samples, int count, espeak_EVENT* /*events*/)
{
    if (samples != nullptr && count > 0) {
        Samples().insert(Samples().end(), samples, samples + count);
    }
    return 0; // go on
}

int g_Rate = 0;

} // namespace

bool TakeEspeakVoice(const char* language)
{
    // Synchronous: espeak-ng hands its samples to Collect and plays nothing itself.
    g_Rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
    return g_Rate > 0 && espeak_SetVoiceByName(language) == EE_OK;
}

int RunEspeakVoice(const char* language)
{
    Say((std::string("voice ") + language).c_str());
    pa_simple* stream = OpenSound(static_cast<uint32_t>(g_Rate), 1);
    if (stream == nullptr) {
        Refuse("no sound device can be reached");
    }
    Say("ready");

    const std::string line = PhrasePart(ReadPhraseLine(), 0);
    if (line.empty()) {
        pa_simple_free(stream); // the scoreboard let this voice go unused
        return 0;
    }
    alarm(kLongestCallSeconds);
    espeak_SetSynthCallback(Collect);
    if (espeak_Synth(line.c_str(), line.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                     nullptr) != EE_OK ||
        espeak_Synchronize() != EE_OK || Samples().empty()) {
        pa_simple_free(stream);
        Say("done"); // nothing to say
        return 0;
    }
    PlayPhrase(stream, Samples().data(), Samples().size(), 1);
    std::_Exit(0);
}
