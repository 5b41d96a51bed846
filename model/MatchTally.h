#pragma once

// The score of a match in legs and sets, whatever its game: each leg's winner folded in order.
// A set is won by the first to LegsToWin legs, and the leg count starts again in the next one;
// without sets the legs won count toward the match. Once the match is won, later legs count
// for nothing.

#include <cstdint>
#include <vector>

struct TMatchTally
{
    std::vector<int32_t> LegsInSet;
    std::vector<int32_t> SetsWon;
    std::vector<int32_t> LegsWon;
    int32_t SetIndex = 0; // the set of the next leg, from 0
    int32_t LegInSet = 0; // legs already played in that set
    int32_t Winner = -1;

    TMatchTally() = default;
    explicit TMatchTally(int32_t sides);

    // Adds a leg won by `winner` (-1 or a side the tally does not have: a leg nobody won).
    void Fold(int32_t winner, int32_t legsToWin, int32_t setsToWin);
    // One side's figure of `figures` (LegsInSet, SetsWon or LegsWon); 0 for a side not there.
    static int32_t Of(const std::vector<int32_t>& figures, int32_t side);
};
