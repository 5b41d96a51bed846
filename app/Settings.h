#pragma once

// Taking the settings from the program's windows and putting them back.

#include "SettingsFile.h"

class TFormHint;
class TFormVTX;
class TNewGameDialog;

TSettings TakeSettings(const TFormVTX& main, const TNewGameDialog& dialog, const TFormHint& hint);
// Puts the settings into the windows. Positions off every screen come back onto the primary
// screen, sizes below the window's minimum are raised to it.
void ApplySettings(const TSettings& settings, TFormVTX& main, TNewGameDialog& dialog,
                   TFormHint& hint);
