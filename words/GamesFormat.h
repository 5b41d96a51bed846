#pragma once

// The words for a match of cricket or a practice game, shared by its panel and the board.

#include "games/DartsGame.h"

#include <QString>

class CGamesMatch;

// "Legs 2", "Sets 1 · Legs 2"; empty when no match length is set.
QString GamesScoreText(const CGamesMatch& match, int player);
// Once the leg in play has ended: "Anna wins the leg" (the match), "Anna: game over" for one
// side, "Game over: a tie"; empty while it is played.
QString GamesEndLine(const CGamesMatch& match);
// What `player` has still to do: cricket "To close 19 17 Bull", a practice game its first
// figures ("Darts 14", "At D5 · Hits 3", "Target 122 · Darts left 6").
QString GamesRouteText(const CGamesMatch& match, int player);
// The name of side `player`.
QString GamesSideName(const CGamesMatch& match, int player);
