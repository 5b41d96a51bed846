#pragma once

// A match's figures as the statistics page shows them: per side over the match, per leg.

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

// One player's figures over every leg of the match, the running leg included.
struct TPlayerStats
{
    int32_t LegsWon = 0;
    double TurnAverage = 0.0;
    double DartAverage = 0.0;
    int32_t PointsScored = 0;
    int32_t DartsThrown = 0;
    double DartsPerLeg = 0.0;
    int32_t HighestTurn = 0;
    int32_t LowestTurn = 0;
    int32_t PossibleOutShots = 0;
    double EffectiveOutShots = 0.0;
    int32_t HighestOutShot = 0;
    double OutShotAverage = 0.0;
    int32_t OutShotPoints = 0;
    int32_t Count60 = 0;
    int32_t Count100 = 0;
    int32_t Count140 = 0;
    int32_t Count180 = 0;
    // Points of the first three turns of each leg over the darts thrown in them, x 3 (a leg of
    // fewer turns counts what it has).
    double FirstNineAverage = 0.0;
    // The fewest and the most darts in a leg the player won; 0 when no leg is won.
    int32_t BestLegDarts = 0;
    int32_t WorstLegDarts = 0;
    // Legs in which the player has thrown, the leg in play included.
    int32_t LegsPlayed = 0;
    // Over turns entered dart by dart only: darts thrown while the remainder could be finished
    // with that one dart under the checkout rule (an even 2..40, or 50), the darts that
    // finished, and DoublesHit / DartsAtDouble x 100 (0 without darts at a double).
    int32_t DartsAtDouble = 0;
    int32_t DoublesHit = 0;
    double CheckoutPercent = 0.0;
};

// Hits and attempts at one double (D1..D20 at 0..19, the bull at 20): a dart thrown while the
// remainder is that double's value is an attempt at it.
using TDoubleAttempts = std::array<std::pair<int32_t, int32_t>, 21>;

// One leg as the per-leg table shows it.
struct TLegSummary
{
    int32_t Set = 1;      // counted from 1 (1 when no sets are played)
    int32_t LegInSet = 1; // counted from 1 within its set (within the match without sets)
    int32_t Starter = 0;  // the player who threw first
    int32_t Winner = -1;  // -1 while the leg is open
    int32_t WinnerDarts = 0;
    std::array<double, 2> Average{}; // each player's 3-dart average in the leg
    int32_t Checkout = 0;            // the winning turn's points
    // Every side's 3-dart average in the leg (the first two as in Average).
    std::vector<double> Averages;
    // For pairs, the thrower (0 or 1) who threw the leg's first turn and its winning turn;
    // 0 in singles, and WinnerThrower -1 while the leg is open.
    int32_t StarterThrower = 0;
    int32_t WinnerThrower = -1;
};
