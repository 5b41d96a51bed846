#include "model/MatchTally.h"

#include <algorithm>

TMatchTally::TMatchTally(int32_t sides)
{
    const auto count = static_cast<size_t>(std::max(sides, 0));
    LegsInSet.assign(count, 0);
    SetsWon.assign(count, 0);
    LegsWon.assign(count, 0);
}

void TMatchTally::Fold(int32_t winner, int32_t legsToWin, int32_t setsToWin)
{
    if (Winner >= 0) {
        return;
    }
    ++LegInSet;
    if (winner < 0 || static_cast<size_t>(winner) >= LegsInSet.size()) {
        return;
    }
    const auto side = static_cast<size_t>(winner);
    ++LegsWon[side];
    ++LegsInSet[side];
    if (legsToWin <= 0 || LegsInSet[side] < legsToWin) {
        return;
    }
    if (setsToWin <= 0) {
        Winner = winner;
        return;
    }
    ++SetsWon[side];
    std::fill(LegsInSet.begin(), LegsInSet.end(), 0);
    ++SetIndex;
    LegInSet = 0;
    if (SetsWon[side] >= setsToWin) {
        Winner = winner;
    }
}

int32_t TMatchTally::Of(const std::vector<int32_t>& figures, int32_t side)
{
    return side >= 0 && static_cast<size_t>(side) < figures.size()
               ? figures[static_cast<size_t>(side)]
               : 0;
}
