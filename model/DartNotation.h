#pragma once

// Darts as players call them and the operator types them: "T20 T20 20", "D16", "25", "bull",
// "0" or "m" for a miss, separated by spaces. Pure C++, for every place darts are typed.

#include "model/UnitVTXGameLogic.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The darts of `text`: a word each, in any case: a number 1..20 or "S", "D", "T" before it
// (a single, double, treble), "25" or "S25" the outer bull, "bull", "B", "D25" or "DB" the
// bull, "0", "m" or "miss" a miss. False when a word is none of these (`badWord` gets it) or
// when there are more than three; an empty text is no darts.
bool ParseDarts(std::string_view text, std::vector<TDart>& darts, std::string* badWord = nullptr);
// "T20", "D16", "20", "25", "Bull", "Miss".
std::string DartText(const TDart& dart);
// The darts' texts joined by `separator` ("T20 · T20 · 20" with " · ").
std::string DartsText(const std::vector<TDart>& darts, std::string_view separator);
// Whether `text` is meant as darts rather than a turn's total: anything but one number.
bool LooksLikeDarts(std::string_view text);
// What a turn leaves, typed in place of its score: "r141", "R141" or "=141" (0..999, spaces
// around allowed); none for anything else. The turn scores what was left before it less this.
std::optional<int32_t> ParseLeft(std::string_view text);
