// Fits the computer opponent's spread to its 3-dart averages: for each average of the table in
// bot/Bot.cpp, the horizontal spread (mm) whose thrower averages it over whole 501 legs, by
// bisection on simulated legs. Prints the table's rows; paste them into kFits.

#include "bot/Bot.h"

#include <cstdio>

int main()
{
    constexpr int32_t kLegs = 4000;
    for (double target = 20.0; target <= 110.0; target += 5.0) {
        double wide = 400.0; // averages below the target
        double narrow = 2.0; // averages above it
        for (int step = 0; step < 30; ++step) {
            const double middle = (wide + narrow) / 2.0;
            const CBot bot(TSpread{middle, middle * CBot::kVerticalShare}, 1);
            const TBotFigures figures = SimulateLegs(bot, kLegs);
            (figures.Average < target ? wide : narrow) = middle;
        }
        std::printf("    {%.1f, %.2f},\n", target, (wide + narrow) / 2.0);
    }
    return 0;
}
