#include "FliteVoice.h"

#include "VoiceProtocol.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <unistd.h>

extern "C" {
#include <flite/flite.h>
#include <pulse/error.h>
#include <pulse/simple.h>

cst_voice* register_cmu_us_awb(const char* voxdir);
}

namespace {

// No phrase is this long; a sound server that never drains must not keep a voice alive.
constexpr unsigned kLongestCallSeconds = 30;
// The voice's own rate: the stream is opened before the phrase comes, at once ready.
constexpr uint32_t kVoiceRate = 16000;

pa_simple* OpenStream(uint32_t rate, uint8_t channels)
{
    const pa_sample_spec format{PA_SAMPLE_S16LE, rate, channels};
    int error = 0;
    return pa_simple_new(nullptr, "Vantorix", PA_STREAM_PLAYBACK, nullptr, "call", &format, nullptr,
                         nullptr, &error);
}

} // namespace

int RunFliteVoice()
{
    flite_init();
    cst_voice* voice = register_cmu_us_awb(nullptr);
    if (voice == nullptr) {
        Refuse("the speech engine has no voice");
    }
    // Opened now, so that a missing sound server is said before any phrase is wanted.
    pa_simple* stream = OpenStream(kVoiceRate, 1);
    if (stream == nullptr) {
        Refuse("no sound device can be reached");
    }
    Say("ready");

    std::string line;
    if (!std::getline(std::cin, line) || line.empty()) {
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
        stream = OpenStream(rate, channels);
        if (stream == nullptr) {
            Refuse("no sound device can be reached");
        }
    }
    Say("speaking");
    const size_t bytes = static_cast<size_t>(cst_wave_num_samples(wave)) * channels * 2;
    int error = 0;
    // Drained: the process ends only once the sound server has played the whole phrase.
    if (pa_simple_write(stream, cst_wave_samples(wave), bytes, &error) < 0 ||
        pa_simple_drain(stream, &error) < 0) {
        Say("cut"); // the sound server went away in the middle of the phrase
        return 0;
    }
    pa_simple_free(stream);
    delete_wave(wave);
    Say("done");
    // flite's voice and lexicon live as long as the process, which ends here.
    std::_Exit(0);
}
