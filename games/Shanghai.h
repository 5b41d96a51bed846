#pragma once

// Shanghai: rounds 1 to 7 (or 1 to 20), one turn a round. In round n only the number n scores: a
// single n, a double 2n, a treble 3n. A single, a double and a treble of n in one turn (a
// "Shanghai") wins the game at once; otherwise the most points after the last round win, and
// level leaders share the win (the leg has no single winner).

#include "games/DartsGame.h"

class CShanghai final : public CDartsGame
{
public:
    static constexpr int32_t kShortRounds = 7;
    static constexpr int32_t kLongRounds = 20;

    CShanghai(int32_t players, int32_t rounds, int32_t firstPlayer = 0);

    int32_t Rounds() const { return m_Rounds; }
    int32_t Score(int32_t player) const;
    // The rounds `player` has thrown; the number to hit is the next one.
    int32_t RoundsThrown(int32_t player) const;
    // The number `player` aims at (1..Rounds()), 0 when done.
    int32_t Target(int32_t player) const;
    // The side that threw a Shanghai, -1 while none has.
    int32_t ShanghaiBy() const { return m_ShanghaiBy; }
    // The darts of `player` that scored (hit the round's number).
    int32_t Hits(int32_t player) const;
    int32_t Winner() const override;
    bool Over() const override;
    TGameTable Table() const override;
    std::unique_ptr<CDartsGame> Copy() const override
    {
        return std::unique_ptr<CDartsGame>(new CShanghai(*this));
    }

    // The index of the dart that completes a Shanghai of `number` among `darts`, or -1.
    static int32_t ShanghaiAt(int32_t number, const std::vector<TDart>& darts);

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
        int32_t Hits = 0;
    };
    int32_t m_Rounds;
    std::vector<TSide> m_Sides;
    int32_t m_ShanghaiBy = -1;
};
