#pragma once

// A league's fixtures: every pair of players meets once (or twice, home and away swapped in the
// later rounds), nobody plays twice in a round, and each player's home and away matches differ
// by at most one. Pure C++.

#include <cstdint>
#include <vector>

struct TFixture
{
    int32_t Round;
    int32_t Home;
    int32_t Away;

    bool operator==(const TFixture&) const = default;
};

// The fixtures of `players` players (2 to 64; none outside that), round by round from round 0:
// n - 1 rounds for an even n, n for an odd n (one player has a bye each round); with `twice`
// as many again, each pair's second meeting home and away swapped.
std::vector<TFixture> RoundRobin(int32_t players, bool twice);
