#pragma once

// The computer opponent for any match: in X01 its thrower (CBot) plays the sheet's remainder, in
// the other games CGamesBot aims by the game's state. Either way the turn comes out as the
// operation an operator would enter, with its darts named as the board shows them. Pure C++.

#include "bot/GamesBot.h"
#include "model/MatchOperation.h"

#include <array>
#include <string>

class CGame;

struct TComputerTurn
{
    TMatchOperation Operation;
    // Each dart as called ("T20", "D16", "20", "Bull", "Miss"); "" for one not thrown.
    std::array<std::string, 3> Thrown;
};

class CComputer
{
public:
    CComputer(double average, uint64_t seed);

    // Side `side`'s next turn in `match`; `sheets` are the X01 match's (the session's), read
    // when the match is X01.
    TComputerTurn NextTurn(const CMatch& match, const CGame& sheets, int32_t side) const;

private:
    CGamesBot m_Games;
};
