#pragma once

// What the caller says in a match of cricket or a practice game. Cricket is called in marks
// ("three in the bed, nine marks, sixty points", "no score") and its wins as in X01 ("game
// shot, and the leg"); the practice games call what the thrower goes for next ("going for
// seven"), the score (Bob's 27) or the remainder (121). A pure function of the match.

#include "words/CallerPhrases.h"
#include "words/CallerWords.h"

#include <string>

class CGamesMatch;

// The call after `kind` was applied to the leg in play; empty when there is nothing to say.
std::string GamesCallPhrase(const CGamesMatch& match, TCallKind kind);
// The same in `language`.
std::string GamesCallPhrase(const CGamesMatch& match, TCallKind kind, TCallLanguage language);
