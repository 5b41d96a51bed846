#pragma once

// The computer opponent: every dart lands on a real board at the aim point plus a normal
// scatter (wider up and down than across, as measured throws are), and the player aims as a
// player aims: the treble that scores most for its spread, a checkout route's next dart, a
// set-up dart that leaves a good double. The spread for a chosen 3-dart average comes from a
// fitted table (tools/FitBot.cpp makes it). Pure C++: the model only.

#include "bot/Board.h"
#include "model/UnitVTXGameLogic.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// One turn as the operator would type it: `Score` and `Darts` are what AddThrow of the
// thrower's sheet takes (a bust or a leave of 1 is a turn of 0; `Darts` is the darts of a
// finishing turn, else 0). `Thrown` names each dart, "" for one not thrown after a finish or
// a bust; `DartsAtDouble` counts the darts aimed at a double (or the Bull) that would finish.
struct TBotTurn
{
    int32_t Score = 0;
    int32_t Darts = 0;
    std::array<std::string, 3> Thrown;
    int32_t DartsAtDouble = 0;
};

// The scatter of a thrower's darts, standard deviations in millimetres.
struct TSpread
{
    double Horizontal = 20.0;
    double Vertical = 24.0;
};

class CBot
{
public:
    static constexpr double kLowestAverage = 20.0;
    static constexpr double kHighestAverage = 110.0;
    // A thrower's vertical spread over its horizontal one: darts scatter more up and down.
    static constexpr double kVerticalShare = 1.2;

    CBot(double targetAverage, uint64_t seed);
    // A thrower of exactly this spread (for fitting the table).
    CBot(TSpread spread, uint64_t seed);

    // The turn the computer throws for side `player` in the leg in play. The same seed and the
    // same match (leg, side, turn, total) give the same turn, so a match put back after a kill
    // or a turn taken back goes on as it would have.
    TBotTurn NextTurn(const CGame& game, int32_t player) const;
    // The turn thrown from `remainder` (or onto a total that counts up) with the rules given;
    // `turnKey` picks the darts' random stream.
    TBotTurn Throw(int32_t remainder, bool countUp, bool checkOutRule, uint64_t turnKey) const;

    // Where the thrower aims its next dart with `remainder` left and `dartsLeft` darts of the
    // turn to throw (under the checkout rule unless `checkOutRule` is false).
    TBed Aim(int32_t remainder, int32_t dartsLeft, bool checkOutRule) const;
    const TSpread& Spread() const { return m_Spread; }
    // The treble (or bull) that scores most on average for this spread.
    const TBed& ScoringAim() const { return m_ScoringAim; }

    // Dart `dart` of the turn whose stream `turnKey` picks, thrown at `aim` (with the care of a
    // finishing dart when `careful`): the bed it lands in, none off the board.
    std::optional<TBed> ThrowAt(const TBed& aim, bool careful, uint64_t turnKey,
                                int32_t dart) const;

    // The spread of a thrower of the 3-dart average `average` (the fitted table, interpolated).
    static TSpread SpreadFor(double average);
    // A dart at a finishing double is thrown with its spread times this share: weaker players
    // take more care over it than over their scoring darts, the best lose a little to the
    // moment. Set so that the doubles rates come out as published for amateurs and
    // professionals (about 20-25 % at a 50-60 average, 37-45 % at 95-100).
    static double DoubleShare(double horizontal);
    static constexpr double kBestSpread = 5.8;
    static constexpr double kDoubleShareAtBest = 1.12;
    static constexpr double kDoubleShareSlope = 0.27;
    static constexpr double kLowestDoubleShare = 0.75;
    static constexpr double kHighestDoubleShare = 1.2;

private:
    TBed SetUp(int32_t remainder, int32_t dartsLeft) const;

    TSpread m_Spread;
    TSpread m_DoubleSpread;
    uint64_t m_Seed = 0;
    TBed m_ScoringAim{TRing::Treble, 20};
};

// What a thrower of a spread achieves over whole legs played alone under the checkout rule:
// the 3-dart average (points / darts x 3), the doubles hit rate (legs won over darts aimed at a
// finishing double or Bull, in percent) and the darts a leg takes.
struct TBotFigures
{
    double Average = 0.0;
    double DoublesPercent = 0.0;
    double DartsPerLeg = 0.0;
};
TBotFigures SimulateLegs(const CBot& bot, int32_t legs, int32_t startScore = 501);
