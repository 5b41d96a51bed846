// The computer opponent's calibration: for each chosen 3-dart average from 20 to 110, what
// its thrower measures over 10,000 whole 501 legs under the checkout rule: the average, the
// doubles hit rate and the darts a leg takes.

#include "bot/Bot.h"

#include <chrono>
#include <cstdio>

int main()
{
    constexpr int32_t kLegs = 10000;
    const auto start = std::chrono::steady_clock::now();
    std::printf("| target | measured average | doubles %% | darts per leg |\n|---|---|---|---|\n");
    for (int target = 20; target <= 110; target += 5) {
        const CBot bot(static_cast<double>(target), 20261209);
        const TBotFigures figures = SimulateLegs(bot, kLegs);
        std::printf("| %d | %.2f | %.1f | %.1f |\n", target, figures.Average,
                    figures.DoublesPercent, figures.DartsPerLeg);
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("(%d legs each, %.1f s in all)\n", kLegs, seconds);
    return 0;
}
