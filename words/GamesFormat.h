#pragma once

// The words for a match of cricket or a practice game, shared by its panel and the board.

#include "games/DartsGame.h"

#include <QString>

class CGamesMatch;

// What `player` has still to do: cricket "To close 19 17 Bull", a practice game its first
// figures ("Darts 14", "At D5 · Hits 3", "Target 122 · Darts left 6").
QString GamesRouteText(const CGamesMatch& match, int player);
