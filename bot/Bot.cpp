#include "bot/Bot.h"

#include "model/Random.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

// The fitted spreads: a 3-dart average over whole 501 legs under the checkout rule, and the
// horizontal standard deviation (mm) that throws it; the vertical one is CBot::kVerticalShare
// times as wide. Made by tools/FitBot.cpp; rerun it after a change to the aiming.
struct TFit
{
    double Average;
    double Horizontal;
};
constexpr TFit kFits[] = {
    {20.0, 43.05}, {25.0, 35.05}, {30.0, 29.07}, {35.0, 24.58}, {40.0, 20.58},
    {45.0, 17.76}, {50.0, 15.63}, {55.0, 13.94}, {60.0, 12.40}, {65.0, 11.15},
    {70.0, 10.08}, {75.0, 9.08},  {80.0, 8.19},  {85.0, 7.24},  {90.0, 6.53},
    {95.0, 5.87},  {100.0, 5.33}, {105.0, 4.84}, {110.0, 4.38},
};

// A stream of SplitMix64 (model/Random.h) from the key, with uniform and normal draws.
class TRandom
{
public:
    explicit TRandom(uint64_t key) : m_State(key) {}
    uint64_t Next() { return SplitMix64(m_State); }
    // Uniform in (0, 1).
    double Uniform() { return (static_cast<double>(Next() >> 11U) + 0.5) * 0x1.0p-53; }
    // A standard normal pair by Box-Muller; the second is kept for the next call.
    double Normal()
    {
        if (m_HasSpare) {
            m_HasSpare = false;
            return m_Spare;
        }
        const double radius = std::sqrt(-2.0 * std::log(Uniform()));
        const double angle = 2.0 * std::numbers::pi * Uniform();
        m_Spare = radius * std::sin(angle);
        m_HasSpare = true;
        return radius * std::cos(angle);
    }

private:
    uint64_t m_State;
    double m_Spare = 0.0;
    bool m_HasSpare = false;
};

uint64_t Mix(uint64_t key, uint64_t value)
{
    return TRandom(key ^ (value * 0x9E3779B97F4A7C15ULL)).Next();
}

std::optional<TBed> Land(const TBed& aim, const TSpread& spread, TRandom& random)
{
    TPoint point = AimPoint(aim);
    point.X += random.Normal() * spread.Horizontal;
    point.Y += random.Normal() * spread.Vertical;
    return BedAt(point);
}

// The best route of the fewest darts for every total of one turn (its first dart and cost),
// worked out once: enumerating routes is far too slow for every dart.
struct TFinish
{
    TBed First;
    double Cost = std::numeric_limits<double>::infinity();
};
const std::array<TFinish, 171>& Finishes()
{
    static const std::array<TFinish, 171> kFinishes = [] {
        std::array<TFinish, 171> finishes{};
        for (int32_t total = 2; total <= 170; ++total) {
            const int32_t needed = CGame::CheckOutDarts(total);
            if (needed < 1) {
                continue;
            }
            const std::vector<TRoute> routes = CheckoutRoutes(total, needed);
            if (!routes.empty()) {
                finishes[static_cast<size_t>(total)] = {routes.front().Darts.front(),
                                                        routes.front().Cost};
            }
        }
        return finishes;
    }();
    return kFinishes;
}

// The best route's cost to finish `remainder` with at most `darts` darts; none: infinity.
double FinishCost(int32_t remainder, int32_t darts)
{
    const int32_t needed = CGame::CheckOutDarts(remainder);
    if (needed < 1 || needed > darts || remainder > 170) {
        return std::numeric_limits<double>::infinity();
    }
    return Finishes()[static_cast<size_t>(remainder)].Cost;
}

} // namespace

TSpread CBot::SpreadFor(double average)
{
    const double target = std::clamp(average, kLowestAverage, kHighestAverage);
    const TFit* upper = std::begin(kFits) + 1;
    while (upper + 1 != std::end(kFits) && upper->Average < target) {
        ++upper;
    }
    const TFit& lower = *(upper - 1);
    const double share = (target - lower.Average) / (upper->Average - lower.Average);
    const double horizontal = lower.Horizontal + share * (upper->Horizontal - lower.Horizontal);
    return {horizontal, horizontal * CBot::kVerticalShare};
}

CBot::CBot(double targetAverage, uint64_t seed) : CBot(SpreadFor(targetAverage), seed) {}

double CBot::DoubleShare(double horizontal)
{
    const double share =
        kDoubleShareAtBest - kDoubleShareSlope * std::log(horizontal / kBestSpread);
    return std::clamp(share, kLowestDoubleShare, kHighestDoubleShare);
}

CBot::CBot(TSpread spread, uint64_t seed)
    : m_Spread(spread), m_DoubleSpread{spread.Horizontal * DoubleShare(spread.Horizontal),
                                       spread.Vertical * DoubleShare(spread.Horizontal)},
      m_Seed(seed)
{
    // The scoring aim: the treble (or the Bull) with the best expected points for this
    // spread, measured on one fixed stream of throws so that every bot of a spread agrees.
    double best = -1.0;
    std::vector<TBed> candidates;
    for (int32_t number = 1; number <= 20; ++number) {
        candidates.push_back({TRing::Treble, number});
    }
    candidates.push_back({TRing::Bull, 25});
    for (const TBed& aim : candidates) {
        TRandom random(0x5EED);
        constexpr int kSamples = 3000;
        double points = 0.0;
        for (int sample = 0; sample < kSamples; ++sample) {
            const std::optional<TBed> bed = Land(aim, m_Spread, random);
            points += bed ? bed->Points() : 0;
        }
        if (points > best + 1e-9) {
            best = points;
            m_ScoringAim = aim;
        }
    }
}

// Set-up darts: the dart that leaves the best finish for the darts after it (this turn's, or
// one dart of the next when none are left); a big single or treble before a small one.
TBed CBot::SetUp(int32_t remainder, int32_t dartsLeft) const
{
    TBed choice = m_ScoringAim;
    double bestCost = std::numeric_limits<double>::infinity();
    for (const TBed& bed : AllBeds()) {
        if (bed.Ring == TRing::Double) {
            continue; // a double is aimed at to finish, not to set up
        }
        const int32_t leave = remainder - bed.Points();
        if (leave < 2) {
            continue;
        }
        const int32_t after = dartsLeft - 1;
        // With darts left, a finish this turn; else a one-dart finish for the next.
        double cost = FinishCost(leave, after > 0 ? after : 1);
        if (!std::isfinite(cost)) {
            cost = 100.0 + FinishCost(leave, 3);
        }
        if (!std::isfinite(cost)) {
            cost = 1000.0 + leave; // nothing finishable: the lower total, the better
        }
        cost += SetupCost(bed) * 0.5;
        if (cost < bestCost) {
            bestCost = cost;
            choice = bed;
        }
    }
    return choice;
}

TBed CBot::Aim(int32_t remainder, int32_t dartsLeft, bool checkOutRule) const
{
    if (!checkOutRule) {
        return m_ScoringAim;
    }
    const int32_t needed = CGame::CheckOutDarts(remainder);
    if (needed >= 1 && needed <= dartsLeft && remainder <= 170 &&
        std::isfinite(Finishes()[static_cast<size_t>(remainder)].Cost)) {
        return Finishes()[static_cast<size_t>(remainder)].First;
    }
    // Beyond a one-turn finish any scoring dart leaves more than 110: the scoring aim.
    if (remainder > 170) {
        return m_ScoringAim;
    }
    return SetUp(remainder, dartsLeft);
}

TBotTurn CBot::Throw(int32_t remainder, bool countUp, bool checkOutRule, uint64_t turnKey) const
{
    TBotTurn turn;
    TRandom random(Mix(m_Seed, turnKey));
    int32_t left = remainder;
    int32_t scored = 0;
    for (int32_t dart = 0; dart < 3; ++dart) {
        const TBed aim = countUp ? m_ScoringAim : Aim(left, 3 - dart, checkOutRule);
        if (!countUp && aim.Finishes() && aim.Points() == left) {
            ++turn.DartsAtDouble;
        }

        const bool atDouble = !countUp && aim.Finishes() && aim.Points() == left;
        const std::optional<TBed> bed = Land(aim, atDouble ? m_DoubleSpread : m_Spread, random);
        const int32_t points = bed ? bed->Points() : 0;
        turn.Thrown[static_cast<size_t>(dart)] = DartName(bed);
        scored += points;
        if (countUp) {
            continue;
        }
        left -= points;
        const bool finished = left == 0 && (!checkOutRule || (bed && bed->Finishes()));
        if (finished) {
            turn.Score = scored;
            turn.Darts = dart + 1;
            return turn;
        }
        // A bust: below nothing, 1 under the rule, or nothing without a double. The turn
        // counts nothing, as the operator would type it, and its darts end.
        if (left < 0 || (checkOutRule && left <= 1)) {
            turn.Score = 0;
            return turn;
        }
    }
    turn.Score = scored;
    return turn;
}

std::optional<TBed> CBot::ThrowAt(const TBed& aim, bool careful, uint64_t turnKey,
                                  int32_t dart) const
{
    TRandom random(Mix(Mix(m_Seed, turnKey), static_cast<uint64_t>(dart)));
    return Land(aim, careful ? m_DoubleSpread : m_Spread, random);
}

TBotTurn CBot::NextTurn(const CGame& game, int32_t player) const
{
    const CLeg* leg = game.CurrentLeg();
    const CPlayerScores* sheet = leg != nullptr ? leg->GetSheet(player) : nullptr;
    if (sheet == nullptr || sheet->LastEntry() == nullptr) {
        return {};
    }
    const TGameParams& params = game.Params();
    const int32_t remainder = sheet->LastEntry()->Remainder;
    // The turn's stream: the leg, the side, the turn and the total, nothing of the past.
    uint64_t key = Mix(static_cast<uint64_t>(game.LegCount()), static_cast<uint64_t>(player));
    key = Mix(key, static_cast<uint64_t>(sheet->EntryCount()));
    key = Mix(key, static_cast<uint64_t>(static_cast<uint32_t>(remainder)));
    return Throw(remainder, params.CountUp, params.CheckOutRule, key);
}

TBotFigures SimulateLegs(const CBot& bot, int32_t legs, int32_t startScore)
{
    TBotFigures figures;
    int64_t darts = 0;
    int64_t doubles = 0;
    int64_t atDouble = 0;
    for (int32_t leg = 0; leg < legs; ++leg) {
        int32_t left = startScore;
        for (uint64_t turnIndex = 0; left > 0; ++turnIndex) {
            const TBotTurn turn =
                bot.Throw(left, false, true, Mix(static_cast<uint64_t>(leg), turnIndex));
            atDouble += turn.DartsAtDouble;
            if (turn.Darts > 0) {
                darts += turn.Darts;
                ++doubles;
                left = 0;
            } else {
                darts += 3;
                left -= turn.Score;
            }
        }
    }
    if (darts > 0 && legs > 0) {
        figures.Average = static_cast<double>(startScore) * legs / static_cast<double>(darts) * 3.0;
        figures.DartsPerLeg = static_cast<double>(darts) / legs;
    }
    if (atDouble > 0) {
        figures.DoublesPercent =
            static_cast<double>(doubles) / static_cast<double>(atDouble) * 100.0;
    }
    return figures;
}
