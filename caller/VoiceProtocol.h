#pragma once

// The voice program's lines on standard output (see VoiceMain.cpp), one a line, flushed at once:
// the scoreboard reads them as they come.

#include <cstdio>
#include <cstdlib>

// The exit code of a voice that has said why nothing can be spoken here.
inline constexpr int kExitNoSpeech = 3;

inline void Say(const char* line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

// "error <reason>", then the program ends with kExitNoSpeech.
[[noreturn]] inline void Refuse(const char* reason)
{
    std::printf("error %s\n", reason);
    std::fflush(stdout);
    std::_Exit(kExitNoSpeech);
}
