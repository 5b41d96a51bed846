// The computer in the other games: for each chosen 3-dart average from 20 to 110, its marks per
// round in cricket (two computers of the level against each other) and its final score in
// Bob's 27, each over 2,000 games.

#include "bot/GamesBot.h"

#include <chrono>
#include <cstdio>

int main()
{
    constexpr int32_t kGames = 2000;
    const auto start = std::chrono::steady_clock::now();
    std::printf("| level | cricket marks per round | Bob's 27 score |\n|---|---|---|\n");
    for (int level = 20; level <= 110; level += 10) {
        const auto average = static_cast<double>(level);
        std::printf("| %d | %.2f | %.1f |\n", level,
                    SimulateGamesFigure(average, TGameKind::Cricket, kGames, 20261211),
                    SimulateGamesFigure(average, TGameKind::Bobs27, kGames, 20261211));
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("(%d games each, %.1f s in all)\n", kGames, seconds);
    return 0;
}
