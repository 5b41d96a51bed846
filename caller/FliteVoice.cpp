#include "caller/FliteVoice.h"

#include "caller/VoiceProtocol.h"
#include "caller/VoiceSound.h"

#include <cstdlib>
#include <string>
#include <unistd.h>

extern "C" {
#include <flite/flite.h>
#include <pulse/simple.h>

cst_voice* register_cmu_us_awb(const char* voxdir);
}

namespace {

// No phrase is this long; a sound server that never drains must not keep a voice alive.
constexpr unsigned kLongestCallSeconds = 30;
// The voice's own rate: the stream is opened before the phrase comes, at once ready.
constexpr uint32_t kVoiceRate = 16000;

} // namespace

int RunFliteVoice(size_t part)
{
    flite_init();
    cst_voice* voice = register_cmu_us_awb(nullptr);
    if (voice == nullptr) {
        Refuse("the speech engine has no voice");
    }
    Say("voice en");
    // Opened now, so that a missing sound server is said before any phrase is wanted.
    pa_simple* stream = OpenSound(kVoiceRate, 1);
    if (stream == nullptr) {
        Refuse("no sound device can be reached");
    }
    Say("ready");

    const std::string line = PhrasePart(ReadPhraseLine(), part);
    if (line.empty()) {
        pa_simple_free(stream); // the scoreboard let this voice go unused
        return 0;
    }
    alarm(kLongestCallSeconds);
    cst_wave* wave = flite_text_to_wave(line.c_str(), voice);
    if (wave == nullptr || cst_wave_num_samples(wave) <= 0) {
        pa_simple_free(stream);
        Say("done"); // nothing to say: "" or only punctuation
        return 0;
    }
    const auto rate = static_cast<uint32_t>(cst_wave_sample_rate(wave));
    const auto channels = static_cast<uint8_t>(cst_wave_num_channels(wave));
    if (rate != kVoiceRate || channels != 1) {
        pa_simple_free(stream);
        stream = OpenSound(rate, channels);
        if (stream == nullptr) {
            Refuse("no sound device can be reached");
        }
    }
    PlayPhrase(stream, cst_wave_samples(wave), static_cast<size_t>(cst_wave_num_samples(wave)),
               channels);
    // flite's voice and lexicon live as long as the process, which ends here.
    std::_Exit(0);
}
