#pragma once

// A league's table from its results: points, then the tie-breaks darts associations use, and
// players no criterion separates share their rank and need a playoff. Pure C++.

#include <cstdint>
#include <vector>

struct TResult
{
    int32_t Home;
    int32_t Away;
    int32_t HomeLegs;
    int32_t AwayLegs;
};

struct TStanding
{
    int32_t Player;
    int32_t Played;
    int32_t Won;
    int32_t Drawn;
    int32_t Lost;
    int32_t LegsFor;
    int32_t LegsAgainst;
    int32_t Points;
    int32_t Rank; // 1 first; players still level share one
    bool PlayoffNeeded;
};

// Every player from 0 to `players` - 1, ordered by rank. A result naming a player outside that
// range, or itself as its opponent, is left out. Ties, each criterion ordering only the players
// the ones before it left level (a group split by one is never sent back to an earlier one):
// points; for exactly two level on points their matches against each other (won, then legs);
// for three or more the leg difference in the matches among them; overall leg difference; legs
// won.
std::vector<TStanding> Standings(int32_t players, const std::vector<TResult>& results,
                                 int32_t pointsForWin = 2, int32_t pointsForDraw = 1);
