#pragma once

// The voice of the flite speech engine, spoken without Qt's text-to-speech plugin: the whole
// phrase is synthesised first, then written to the sound server in one stream and drained, so
// that every phrase is heard whole. (The plugin of Qt 6.4 streams flite's chunks into a sound
// sink as they come and takes a full sink for an error: some phrases, "Michael, you require
// ninety-five" among them, were cut off before a sound was heard, every time.)

#include <cstddef>

// Runs the voice program's protocol (see VoiceMain.cpp) with flite's English voice, speaking
// part `part` of the phrase line (see PhrasePart); returns the exit code.
int RunFliteVoice(size_t part);
