#pragma once

// The statistics of a match of cricket or a practice game, as rows of a table with a column per
// side: the legs and darts of every game, then the game's own figures over all its legs (cricket:
// marks, marks per round, points; Around the Clock: targets and darts per target; Bob's 27:
// doubles hit and scores; 121: targets, checkouts, the checkout rate and the best target).

#include <string>
#include <vector>

class CGamesMatch;

struct TFigureRow
{
    std::string Caption;
    std::vector<std::string> Values; // one per side
};

std::vector<TFigureRow> GamesFigures(const CGamesMatch& match);

// One leg of the match: who began it, who won it (-1: a tie or in play), the winner's darts and
// every side's headline figure as the leg stands.
struct TGamesLegRow
{
    int Starter = 0;
    int Winner = -1;
    bool Over = false;
    int WinnerDarts = 0;
    std::vector<std::string> Headlines;
};

std::vector<TGamesLegRow> GamesLegRows(const CGamesMatch& match);
