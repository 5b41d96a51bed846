#pragma once

// Bob's 27, a doubles drill: every side starts at 27 and throws one turn of three darts at each
// double, D1 to D20, then the bull. Each hit adds the double's value; a turn without a hit
// takes it off. A side at or below zero is out. The game ends when every side has thrown at
// the bull or is out; the highest score wins (equal scores: no winner).

#include "games/DartsGame.h"

class CBobs27 final : public CDartsGame
{
public:
    static constexpr int32_t kStart = 27;
    static constexpr int32_t kRounds = 21; // D1..D20 and the bull

    CBobs27(int32_t players, int32_t firstPlayer = 0);

    int32_t Score(int32_t player) const;
    // The double `player` throws at next (as a dart: D1..D20, the bull), and the round (0..21).
    TDart Target(int32_t player) const;
    int32_t Round(int32_t player) const;
    // Doubles hit so far.
    int32_t Hits(int32_t player) const;
    int32_t Winner() const override;
    bool Over() const override;
    TGameTable Table() const override;
    std::unique_ptr<CDartsGame> Copy() const override
    {
        return std::unique_ptr<CDartsGame>(new CBobs27(*this));
    }

protected:
    void Reset() override;
    bool Play(int32_t player, const std::vector<TDart>& darts) override;
    int32_t TurnEnd(int32_t player, const std::vector<TDart>& darts) const override;
    bool PlayerDone(int32_t player) const override;

private:
    struct TSide
    {
        int32_t Score = kStart;
        int32_t Round = 0;
        int32_t Hits = 0;
    };
    std::vector<TSide> m_Sides;
};
