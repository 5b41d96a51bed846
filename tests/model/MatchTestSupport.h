#pragma once

#include "model/UnitVTXGameLogic.h"

#include <string>
#include <vector>

// The five games as the New Game dialog offers them.
inline TGameParams GameParams(int32_t startScore, int32_t players = 2, int32_t firstPlayer = 0)
{
    TGameParams params;
    params.PlayerCount = players;
    params.FirstPlayer = firstPlayer;
    params.StartScore = startScore;
    params.TargetScore = 0;
    params.CountUp = false;
    params.CheckOutRule = true;
    params.Player1Name = "Anna";
    params.Player2Name = "Ben";
    return params;
}

inline TGameParams ContinuousParams(int32_t players = 2, int32_t firstPlayer = 0)
{
    TGameParams params = GameParams(0, players, firstPlayer);
    params.TargetScore = -1;
    params.CountUp = true;
    params.CheckOutRule = false;
    return params;
}

// Records every event of a match as a short text, in the order fired.
class EventLog
{
public:
    explicit EventLog(CGame& game)
    {
        game.OnSheetChanged = [this](CPlayerScores& sheet) {
            Events.push_back("sheet" + std::to_string(sheet.PlayerIndex()));
        };
        game.OnTurnChanged = [this](CPlayerScores* sheet) {
            Events.push_back(sheet ? "turn" + std::to_string(sheet->PlayerIndex()) : "turn-");
        };
        game.OnLegWon = [this](CPlayerScores& sheet) {
            Events.push_back("won" + std::to_string(sheet.PlayerIndex()));
        };
    }
    std::vector<std::string> Take()
    {
        std::vector<std::string> taken;
        taken.swap(Events);
        return taken;
    }
    std::vector<std::string> Events;
};

// Plays the given turns, each on the sheet of the player to throw; stops at the first refusal.
inline bool PlayTurns(CGame& game, const std::vector<int32_t>& scores)
{
    for (int32_t score : scores) {
        if (!game.CurrentLeg()->CurrentSheet()->AddThrow(score, 0)) {
            return false;
        }
    }
    return true;
}
