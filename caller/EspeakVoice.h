#pragma once

// The voices of espeak-ng, for the languages other than English: the phrase is synthesised whole,
// then played in one stream and drained, as flite's English voice is.

// Takes espeak-ng's voice for `language` ("de", "nl", "fr", "es"); false when espeak-ng has
// none here (its data is missing), and then nothing has been said on standard output.
bool TakeEspeakVoice(const char* language);
// Runs the voice program's protocol (see VoiceMain.cpp) with the voice taken, speaking part 0
// of the phrase line; returns the exit code.
int RunEspeakVoice(const char* language);
