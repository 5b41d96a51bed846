#pragma once

// What the caller says, as a professional caller says it: the score of every turn in words,
// "game shot, and the leg" (set, match) on a win, and "Anna, you require eighty-one" before a
// turn that can finish the leg. A pure function of what happened: no toolkit, no audio.

#include "words/CallerWords.h"

#include <cstdint>
#include <string>
#include <vector>

class CGame;
class CMatch;

enum class TCallKind : uint8_t
{
    Turn,       // a turn was recorded
    Correction, // a turn was corrected: only its new score is called
    Undo,       // a turn was taken back
    NextLeg,    // a leg (or a match) began
};

// What a turn won.
enum class TShot : uint8_t
{
    None,
    Leg,
    Set,
    Match,
};

// What the turn that won side `player` the leg in play won, the match's tally having taken
// that leg: the match, a set (no legs left in the set in play), or the leg. The same for every
// game.
TShot LegShot(const CMatch& match, int32_t player);
// The caller's words for `shot` (none for TShot::None).
const char* ShotWords(TShot shot, TCallLanguage language);

struct TCallEvent
{
    TCallKind Kind = TCallKind::Turn;
    int32_t Score = 0;         // the points of the turn called (Turn, Correction)
    TShot Shot = TShot::None;  // what that turn won (Turn)
    bool CheckOutRule = false; // the leg is finished on a double, so a route can be required
    std::string Thrower;       // the player to throw now, UTF-8; empty: nobody
    int32_t ThrowerRemainder = 0;
    // A turn of a match entered dart by dart: its darts in words ("treble twenty", "bull"), said
    // before its score (Turn).
    std::vector<std::string> Darts{};
    // The same darts as thrown, worded by the call in its language (after Darts).
    std::vector<TDart> Thrown{};
};

// 0..999 in British words: "no score" for 0, "twenty-six", "one hundred and eighty!" (the one
// score called with a cry); other numbers as digits.
std::string ScoreInWords(int32_t score);
// The same in `language`: "keine Punkte", "einhundertachtzig!", "¡ciento ochenta!".
std::string ScoreInWords(int32_t score, TCallLanguage language);
// The whole call for `event`; empty when there is nothing to say.
std::string CallPhrase(const TCallEvent& event);
// The same in `language` ("Anna, du brauchst einundachtzig"; the darts of a turn entered dart
// by dart are said as `event` gives them).
std::string CallPhrase(const TCallEvent& event, TCallLanguage language);
// The event as the match stands after the operator's change: `player` and `entry` name the
// sheet and the turn for Turn and Correction (as the match's operations do).
TCallEvent CallEventAfter(const CGame& game, TCallKind kind, int32_t player, int32_t entry);
