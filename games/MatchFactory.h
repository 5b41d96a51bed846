#pragma once

// Makes the match of a game by its name as New Game shows and the store keeps it ("Cricket",
// "Standard 501"): cricket and the practice games by their names, the X01 match for every other.

#include "model/Match.h"

#include <memory>
#include <string_view>

std::unique_ptr<CMatch> MakeMatch(std::string_view gameName, const TGameParams& params);

class CGame;

// Starts the match of `gameName` where a session keeps it: X01 on `sheets`, begun again with
// `params` (the sheets the X01 panels follow stay the same object), any other game made new
// into `made` (emptied for X01). Returns the match to play.
CMatch& StartMatch(std::string_view gameName, const TGameParams& params, CGame& sheets,
                   std::unique_ptr<CMatch>& made);

// Whether this version plays the game of that name: X01 ("Standard 501", "Continous Points")
// and the others.
bool IsKnownGame(std::string_view gameName);
