#pragma once

// One dart as called, and what it is worth.

#include <cstdint>

// One dart as called: `Segment` 1..20, 25 for the bull (Multiplier 1 the outer bull, 2 the
// bull), 0 a miss; `Multiplier` 1 single, 2 double, 3 treble.
struct TDart
{
    int32_t Segment = 0;
    int32_t Multiplier = 1;

    bool operator==(const TDart&) const = default;
};

// Whether a dart can be thrown at all (T25 and segment 21 cannot); its points; whether it
// finishes under the checkout rule (a double, the bull included).
bool IsValidDart(const TDart& dart);
int32_t DartPoints(const TDart& dart);
bool IsDoubleDart(const TDart& dart);
