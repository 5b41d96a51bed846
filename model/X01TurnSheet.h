#pragma once

// The turns of an X01 match as its CSV export keeps them: what CGame::TurnSheet gives.

#include "model/Match.h"

class CGame;

TTurnSheet X01TurnSheet(const CGame& game);
