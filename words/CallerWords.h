#pragma once

// The caller's words in each language it speaks: numbers 0..999 as a caller says them, and the
// fixed parts of a call. A pure function of the number and the language: no toolkit, no audio.

#include "model/DartNotation.h"

#include <cstdint>
#include <string>

enum class TCallLanguage : uint8_t
{
    English,
    German,
    Dutch,
    French,
    Spanish,
};

// 0..999 in words ("eighty-one", "einundachtzig", "eenentachtig", "quatre-vingt-un",
// "ochenta y uno"); other numbers as digits.
std::string NumberWords(int32_t number, TCallLanguage language);

// A number as the language's voice says it right: NumberWords, but for French 80..99 (and
// 180..199, ...), which espeak-ng mispronounces from words ("quatre-vingt-deux" with its t) and
// says right from digits.
std::string SpokenNumber(int32_t number, TCallLanguage language);

// A dart as the language's callers say it: "treble twenty", "Triple zwanzig", "bull", "miss".
std::string DartWords(const TDart& dart, TCallLanguage language);

// The fixed parts of a call, UTF-8.
struct TCallWords
{
    const char* NoScore;   // a turn of 0
    const char* CryBefore; // around the one score called with a cry, 180
    const char* CryAfter;
    const char* GameShotLeg; // a winning turn
    const char* GameShotSet;
    const char* GameShotMatch;
    // "<name>, you require <number>": the text between the name and the number, and after it.
    const char* RequireBefore;
    const char* RequireAfter;
};

const TCallWords& CallWords(TCallLanguage language);
