#pragma once

// What the voices share: the phrase they are handed, and the sound server they speak to.

#include <cstddef>
#include <cstdint>
#include <string>

struct pa_simple;

// The phrase line is "<phrase>" or "<phrase in the caller's language>\t<the same in English>":
// part 0 for a voice of the caller's language, part 1 for the English voice. A part that is not
// there is the last one there is.
std::string PhrasePart(const std::string& line, size_t part);

// Reads the phrase line from standard input; empty at end of input without one.
std::string ReadPhraseLine();

// A playback stream of 16-bit samples on the sound server, or nullptr when none can be reached.
pa_simple* OpenSound(uint32_t rate, uint8_t channels);

// Says "speaking", plays `samples` through `stream` to the end, says "done" (or "cut" when the
// sound server went away in the middle), and closes the stream. Returns the exit code.
int PlayPhrase(pa_simple* stream, const int16_t* samples, size_t count, uint8_t channels);
