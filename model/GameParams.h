#pragma once

// How a match is played: its sides, its rules and its length, as New Game sets them.

#include <cstdint>
#include <string>
#include <vector>

struct TGameParams
{
    int32_t PlayerCount = 0;
    int32_t FirstPlayer = 0;
    int32_t StartScore = 0;
    int32_t TargetScore = 0;
    bool CountUp = false;
    bool CheckOutRule = false;
    std::string Player1Name; // UTF-8
    std::string Player2Name; // UTF-8
    // Match length: the first to win this many legs wins the match (or the set, when sets are
    // played); 0: legs go on until a new game.
    int32_t LegsToWin = 0;
    // The first to win this many sets of LegsToWin legs wins the match; 0: no sets.
    int32_t SetsToWin = 0;
    // Every side's name in throwing order (UTF-8); empty: Player1Name and Player2Name. When
    // set, its first two are Player1Name and Player2Name.
    std::vector<std::string> PlayerNames;
    // One start score per side, a handicap (X01 only); empty: StartScore for every side.
    std::vector<int32_t> StartScores;
    // Throwers per side: 1 (singles) or 2 (pairs, who share one sheet and one remainder).
    int32_t TeamSize = 1;
    // With TeamSize 2, every thrower's name side by side (side 0's two, then side 1's, ...).
    std::vector<std::string> ThrowerNames;
    // The sides the computer throws for, with the 3-dart average it plays at (20..110); 0 or
    // beyond the end: a person. Empty: people only.
    std::vector<int32_t> ComputerAverages;
    // The computer's darts of this match: the same seed and the same match give the same turns.
    uint64_t ComputerSeed = 0;
    // Turns are entered dart by dart (a typed total is still taken): how the match is entered,
    // not a rule of it.
    bool EnterDarts = false;
};

// The average the computer plays side `player` at; 0 for a person.
int32_t ComputerAverage(const TGameParams& params, int32_t player);

// Side `player`'s name (UTF-8): PlayerNames when given, else Player1Name and Player2Name;
// empty for a side that has none.
std::string SideName(const TGameParams& params, int32_t player);
