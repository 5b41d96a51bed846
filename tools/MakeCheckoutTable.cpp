// Writes the checkout table shipped with Vantorix (data/VTXOutShots.ini) to standard output.
//
// For every total that can be finished in one turn it lists the route a player would aim at
// first, with the fewest darts, then up to two alternatives (bot/CheckoutRoutes.h ranks them).

#include "bot/CheckoutRoutes.h"
#include "model/UnitVTXGameLogic.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

int main()
{
    std::printf(
        "; Vantorix checkout table: one section per total that can be finished in one\n"
        "; turn, the route to aim at first, then alternatives. Darts: 19 single,\n"
        "; D16 double, T20 treble, 25 outer bull, Bull. Edit freely; keys are not shown.\n");
    for (int score = 2; score <= 170; ++score) {
        const int darts = CGame::CheckOutDarts(score);
        if (darts < 1 || darts > 3) {
            continue;
        }
        std::vector<TRoute> best = CheckoutRoutes(score, darts);
        // Alternatives: the next routes of the same length, else of one dart more.
        std::vector<TRoute> others(best.begin() + 1, best.end());
        if (others.size() < 2 && darts < 3) {
            const std::vector<TRoute> longer = CheckoutRoutes(score, darts + 1);
            others.insert(others.end(), longer.begin(), longer.end());
        }
        std::printf("\n[%d]\n1=%s\n", score, best.front().Text().c_str());
        for (size_t index = 0; index < std::min<size_t>(others.size(), 2); ++index) {
            std::printf("%zu=%s\n", index + 2, others[index].Text().c_str());
        }
    }
    return 0;
}
