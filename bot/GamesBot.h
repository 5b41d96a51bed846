#pragma once

// The computer in cricket and the practice and pub games: each dart is aimed at a bed of the
// real board as a player of its level would aim it, after seeing where the darts before it in the
// turn went, and lands by the same scatter as its X01 darts (CBot). Cricket: it closes a number
// an opponent can score on while not ahead, scores where the others are open while not ahead
// (cut-throat: where the leader is open), and otherwise opens the highest number still open to
// it. Around the Clock: the number's big single (in the fast variant a good player takes the
// treble); Bob's 27: the double; 121: its X01 checkout aim; Shanghai: the treble, or the bed a
// Shanghai still lacks; Halve-It: a safe hit first, then points; Killer: its own double until it is
// a killer, then the double of the side with the fewest lives. Pure C++.

#include "bot/Bot.h"
#include "games/GamesMatch.h"

#include <vector>

class CGamesBot
{
public:
    CGamesBot(double average, uint64_t seed);

    // The darts of side `player`'s next turn in the leg in play: the same seed and the same match
    // give the same darts, so a match put back after a kill goes on as it would have.
    std::vector<TDart> NextTurn(const CGamesMatch& match, int32_t player) const;
    // The turn's darts in `game` with the random stream `turnKey`.
    std::vector<TDart> Throw(const CDartsGame& game, int32_t player, uint64_t turnKey) const;
    // Where `player` aims its next dart in `game` after `thrown` this turn; `careful` is set for a
    // dart at a double that counts only as a double.
    TBed Aim(const CDartsGame& game, int32_t player, const std::vector<TDart>& thrown,
             bool& careful) const;

    const CBot& Thrower() const { return m_Bot; }

private:
    CBot m_Bot;
};

// A game's figure of a level over many games: cricket's marks per round (two computers of the
// level against each other) or Bob's 27's final score (alone; a side out counts 0).
double SimulateGamesFigure(double average, TGameKind kind, int32_t games, uint64_t seed = 1);
