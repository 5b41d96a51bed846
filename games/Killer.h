#pragma once

// Killer, for 3 to 8 sides: each side's number (1..20) is drawn at the start, never two alike,
// and every side has three lives. A double or a treble of a number is a hit on it (once, whatever
// the ring); singles do not count. A side that hits its own number becomes a killer. A killer's
// hit on another side's number takes one of that side's lives; a killer's hit on its own number
// takes one of its own. A side with no life left is out and throws no more; the last side in wins.

#include "games/DartsGame.h"

class CKiller final : public CDartsGame
{
public:
    static constexpr int32_t kLives = 3;
    static constexpr int32_t kFewestPlayers = 3;

    // `seed` draws the numbers: the same seed gives the same draw, so a match put back after a
    // kill plays on with the numbers it had.
    CKiller(int32_t players, uint64_t seed, int32_t firstPlayer = 0);

    int32_t Number(int32_t player) const;
    int32_t Lives(int32_t player) const;
    bool IsKiller(int32_t player) const;
    // The lives `player` has taken from other sides.
    int32_t LivesTaken(int32_t player) const;
    int32_t Winner() const override;
    bool Over() const override;
    TGameTable Table() const override;
    std::unique_ptr<CDartsGame> Copy() const override
    {
        return std::unique_ptr<CDartsGame>(new CKiller(*this));
    }

    // The draw: `players` numbers of 1..20, all different.
    static std::vector<int32_t> DrawNumbers(int32_t players, uint64_t seed);

protected:
    void Reset() override;
    bool Play(int32_t player, const std::vector<TDart>& darts) override;
    int32_t TurnEnd(int32_t player, const std::vector<TDart>& darts) const override;
    bool PlayerDone(int32_t player) const override;

private:
    struct TSide
    {
        int32_t Number = 0;
        int32_t Lives = kLives;
        bool Killer = false;
        int32_t Taken = 0;
    };
    // Plays `darts` of `player` on `sides`; the index of the dart that put `player` out or
    // ended the game, -1 when the turn ran its course.
    static int32_t Walk(std::vector<TSide>& sides, int32_t player, const std::vector<TDart>& darts);
    static int32_t Alive(const std::vector<TSide>& sides);

    std::vector<int32_t> m_Numbers;
    std::vector<TSide> m_Sides;
};
