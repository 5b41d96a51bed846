#pragma once

// Which fixture a board plays next when several boards play one competition. Pure C++.

#include <cstddef>
#include <cstdint>
#include <vector>

struct TQueuedFixture
{
    int32_t Home;  // -1 while not yet known (a knockout's later match)
    int32_t Away;  // the same
    bool Done;     // a result is in
    int32_t Board; // the board it is playing on, -1 for none
};

// The fixture a board that has come free plays next: the first, in the order given (the order
// of play), not done, not playing, with both players known and neither playing on another
// board. -1 when none can start now.
int32_t NextFixture(const std::vector<TQueuedFixture>& fixtures);

struct TPlannedSlot
{
    int32_t Slot;  // 0 the first to be played on some board; -1 for a fixture done
    int32_t Board; // 0 .. boards - 1
};

// The order of play on `boards` boards if every match took as long: each free board takes its
// next fixture as NextFixture gives it, the boards in turn. A fixture playing keeps its board
// and is in slot 0; one that cannot be planned (a player unknown) gets slot -1.
std::vector<TPlannedSlot> OrderOfPlay(const std::vector<TQueuedFixture>& fixtures, int32_t boards);
