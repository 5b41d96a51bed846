#pragma once

// Halve-It: nine rounds, one turn each, at 15, 16, any double, 17, 18, any treble, 19, 20 and
// the bull in this order. A turn scores the points of its darts on the round's target (any bed
// of a number; the bull round takes the outer bull and the bull; the bull is a double); a turn
// with no dart on it halves the side's score, rounded down. Scores start at 0; the most points
// after the last round win (level leaders: no single winner).

#include "games/DartsGame.h"

#include <array>

class CHalveIt final : public CDartsGame
{
public:
    static constexpr int32_t kRounds = 9;
    // A round's target: a number 1..20, kAnyDouble, kAnyTreble or 25 (the bull).
    static constexpr int32_t kAnyDouble = -2;
    static constexpr int32_t kAnyTreble = -3;
    static constexpr std::array<int32_t, kRounds> kTargets = {15,         16, kAnyDouble, 17, 18,
                                                              kAnyTreble, 19, 20,         25};

    CHalveIt(int32_t players, int32_t firstPlayer = 0);

    int32_t Score(int32_t player) const;
    int32_t RoundsThrown(int32_t player) const;
    // The target of `player`'s next round (kTargets), 0 when done.
    int32_t Target(int32_t player) const;
    // The turns that halved `player`'s score.
    int32_t Halved(int32_t player) const;
    int32_t Winner() const override;
    bool Over() const override;
    TGameTable Table() const override;
    std::unique_ptr<CDartsGame> Copy() const override
    {
        return std::unique_ptr<CDartsGame>(new CHalveIt(*this));
    }

    static bool OnTarget(int32_t target, const TDart& dart);
    // "15", "Any double", "Any treble", "Bull" (untranslated).
    static std::string TargetText(int32_t target);

protected:
    void Reset() override;
    bool Play(int32_t player, const std::vector<TDart>& darts) override;
    int32_t TurnEnd(int32_t player, const std::vector<TDart>& darts) const override;
    bool PlayerDone(int32_t player) const override;

private:
    struct TSide
    {
        int32_t Score = 0;
        int32_t Rounds = 0;
        int32_t Halved = 0;
    };
    std::vector<TSide> m_Sides;
};
