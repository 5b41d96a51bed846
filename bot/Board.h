#pragma once

// A regulation dartboard in millimetres, seen from the thrower: the origin at the centre of
// the Bull, x to the right, y up. Pure C++.

#include "bot/CheckoutRoutes.h"
#include "model/Dart.h"

#include <array>
#include <optional>

struct TPoint
{
    double X = 0.0;
    double Y = 0.0;
};

inline constexpr double kInnerBullRadius = 6.35;
inline constexpr double kOuterBullRadius = 15.9;
inline constexpr double kTrebleInnerRadius = 99.0;
inline constexpr double kTrebleOuterRadius = 107.0;
inline constexpr double kDoubleInnerRadius = 162.0;
inline constexpr double kDoubleOuterRadius = 170.0;
// The numbers clockwise from the top, each 18 degrees wide, the 20 centred on the top.
inline constexpr std::array<int32_t, 20> kBoardSegments = {20, 1,  18, 4,  13, 6,  10, 15, 2,  17,
                                                           3,  19, 7,  16, 8,  11, 14, 9,  12, 5};
inline constexpr double kSegmentDegrees = 18.0;

// The bed a dart that lands at `point` is in; none off the board (a miss). A dart on a wire
// goes to the bed outside it, and on a segment wire to the bed clockwise of it.
std::optional<TBed> BedAt(TPoint point);
// The dart a landing in `bed` makes, as the games and the sheets take it; none: a miss.
TDart DartOf(const std::optional<TBed>& bed);
// Where a player aims for `bed`: the middle of its area (a single: the big single outside the
// treble ring).
TPoint AimPoint(const TBed& bed);
// The name a caller gives a dart: "S20", "D16", "T19", "25", "Bull"; "Miss" for none.
std::string DartName(const std::optional<TBed>& bed);
