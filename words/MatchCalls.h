#pragma once

// What the caller says after a change of any match, in any language: the one entry the
// caller's follower uses, whatever the game.

#include "model/Match.h"
#include "words/CallerPhrases.h"
#include "words/CallerWords.h"

#include <string>

// The call after `kind` was applied (`player` and `entry` as the operation named them), in
// `language`; empty when there is nothing to say.
std::string MatchCallPhrase(const CMatch& match, TCallKind kind, int32_t player, int32_t entry,
                            TCallLanguage language);
