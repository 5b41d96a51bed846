#pragma once

// Why a match refuses an operation, in the operator's words: one text per reason for the
// panels, the keypad pages and the caller alike.

#include "model/Match.h"
#include "model/Refusal.h"

#include <QString>

// Empty for an accepted check. `kind`: the game the refusal comes from, which words the end of
// a turn its own way.
QString RefusalText(const TThrowCheck& check, TGameKind kind = TGameKind::X01);
