#pragma once

// Around the Clock: 1 to 20, then the bull, in order. A dart in any bed of the number to hit
// moves the side on by one (the outer bull and the bull both count for the bull); in the fast
// variant a double moves it two and a treble three (the bull two). A side is done past the
// bull; the game ends when every side is, and the fewest darts win (equal darts: no winner).

#include "games/DartsGame.h"

class CAroundTheClock final : public CDartsGame
{
public:
    // The 21 targets: 1..20 at 0..19, the bull at 20; 21: done.
    static constexpr int32_t kDone = 21;

    CAroundTheClock(int32_t players, bool fast, int32_t firstPlayer = 0);

    bool Fast() const { return m_Fast; }
    // How far `player` has come: 0 (at 1) .. 21 (done).
    int32_t Progress(int32_t player) const;
    // The number `player` aims at (1..20, 25), 0 when done.
    int32_t Target(int32_t player) const;
    int32_t Winner() const override;
    bool Over() const override;
    TGameTable Table() const override;
    std::unique_ptr<CDartsGame> Copy() const override
    {
        return std::unique_ptr<CDartsGame>(new CAroundTheClock(*this));
    }

protected:
    void Reset() override;
    bool Play(int32_t player, const std::vector<TDart>& darts) override;
    int32_t TurnEnd(int32_t player, const std::vector<TDart>& darts) const override;
    bool PlayerDone(int32_t player) const override;

private:
    int32_t Advance(int32_t progress, const TDart& dart) const;

    bool m_Fast;
    std::vector<int32_t> m_Progress;
};
