#pragma once

// Why a match refuses an operation, in the operator's words: one text per reason for the
// panels, the keypad pages and the caller alike.

#include "model/Match.h"
#include "model/Refusal.h"

#include <QString>
#include <functional>

// Empty for an accepted check. `kind`: the game the refusal comes from, which words the end of
// a turn its own way.
QString RefusalText(const TThrowCheck& check, TGameKind kind = TGameKind::X01);

// A turn typed as what it leaves ("r141", model/DartNotation.h's ParseLeft): the score it stands
// for from `before`, the total before the turn, or the refusal worded for what was typed.
struct TLeftTurn
{
    int32_t Score = 0;
    QString Refusal; // empty: the turn can be entered as Score
};
// `check` is what the sheet says to a turn of a score; `countsUp`: the game counts up, where
// nothing is left.
TLeftTurn LeftTurn(int32_t before, int32_t left, bool countsUp,
                   const std::function<TThrowCheck(int32_t score)>& check);
