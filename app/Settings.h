#pragma once

// Taking the settings from the program's windows and putting them back.

#include "app/SettingsFile.h"

class TFormHint;
class TFormVTX;
class TNewGameDialog;

TSettings TakeSettings(const TFormVTX& main, const TNewGameDialog& dialog, const TFormHint& hint);
// Puts the settings into the windows. Positions off every screen come back onto the primary
// screen, sizes below the window's minimum are raised to it. The Quick Shot Hint window and the
// board are shown with the main window's contents (at once when they are made).
void ApplySettings(const TSettings& settings, TFormVTX& main, TNewGameDialog& dialog,
                   TFormHint& hint);
