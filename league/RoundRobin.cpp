#include "league/RoundRobin.h"

#include <algorithm>
#include <numeric>

std::vector<TFixture> RoundRobin(int32_t players, bool twice)
{
    std::vector<TFixture> fixtures;
    if (players < 2 || players > 64) {
        return fixtures;
    }
    // The circle method: the first place stays, the others turn one place a round, and each
    // place meets the one across from it. With an odd number the staying place is the bye, so
    // that the byes fall to every player in turn and home and away stay even.
    const bool odd = players % 2 == 1;
    const int32_t places = players + (odd ? 1 : 0);
    const int32_t bye = players;
    std::vector<int32_t> circle(static_cast<size_t>(places));
    if (odd) {
        circle[0] = bye;
        std::iota(circle.begin() + 1, circle.end(), 0);
    } else {
        std::iota(circle.begin(), circle.end(), 0);
    }
    const int32_t rounds = places - 1;
    for (int32_t round = 0; round < rounds; ++round) {
        for (int32_t pair = 0; pair < places / 2; ++pair) {
            const int32_t first = circle[static_cast<size_t>(pair)];
            const int32_t second = circle[static_cast<size_t>(places - 1 - pair)];
            // The staying place alternates round by round; the others by their place, so that
            // a player's turning place gives it home and away in turn.
            const bool firstHome = pair == 0 ? round % 2 == 0 : pair % 2 == 1;
            if (first != bye && second != bye) {
                fixtures.push_back({round, firstHome ? first : second, firstHome ? second : first});
            }
        }
        // Turn every place but the first one step.
        std::rotate(circle.begin() + 1, circle.end() - 1, circle.end());
    }
    if (twice) {
        const size_t once = fixtures.size();
        for (size_t index = 0; index < once; ++index) {
            const TFixture& first = fixtures[index];
            fixtures.push_back({first.Round + rounds, first.Away, first.Home});
        }
    }
    return fixtures;
}
