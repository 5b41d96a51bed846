#pragma once

// Groups then a knockout: players drawn into groups by seed, and the top of each group seeded
// into the knockout by their place in it. Pure C++.

#include "league/Standings.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The players 0 .. `players` - 1 (0 the top seed) in `groups` groups, dealt out in a snake (A B
// C C B A ...) so the groups are as even in strength as in size. Empty when there are fewer
// than two players a group.
std::vector<std::vector<int32_t>> DrawGroups(int32_t players, int32_t groups);

// The knockout's seeds (the players' own numbers) from each group's table (its standings, by
// the group's own numbering) taking the top `perGroup`: every group's winner first, in group
// order, then every runner-up, and so on, so that the first round pairs a group's winner with
// another group's lower place.
std::vector<int32_t> KnockoutSeeds(const std::vector<std::vector<int32_t>>& groups,
                                   const std::vector<std::vector<TStanding>>& tables,
                                   int32_t perGroup);
