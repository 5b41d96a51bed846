#pragma once

// What a side's last turn came to, in figures, whatever its game: for the events the room
// sends out (lights, home automation, stream tools). The one place that reads them differently
// for each kind of match.

#include "model/Dart.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CMatch;

struct TTurnFigures
{
    // Its darts as entered (empty: a total typed).
    std::vector<TDart> Darts;
    // X01: the turn's score (0 after a bust) and what is left; cricket: the turn's points.
    std::optional<int32_t> Score;
    std::optional<int32_t> Remainder;
    // Cricket: the marks the turn made.
    std::optional<int32_t> Marks;
    // The side's headline figure in the other games ("27", "Double 5"), as the board shows it.
    std::string Figure;
    bool Bust = false;
    // X01: the leg was checked out with this turn.
    bool Checkout = false;
};

// Side `side`'s last turn in the leg in play; none when it has thrown no turn in it.
std::optional<TTurnFigures> LastTurnFigures(const CMatch& match, int32_t side);
