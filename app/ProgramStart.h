#pragma once

#include "UnitGameDlg.h"
#include "UnitHintDlg.h"
#include "UnitMain.h"

class QApplication;

inline constexpr const char* kSettingsFileName = "VTXSettings.xml";

// The program's three windows, created in this order: the main window (with its match and
// checkout table), the New Game dialog, the Quick Shot Hint window (hidden).
struct TProgramWindows
{
    TProgramWindows();

    TFormVTX Main;
    TNewGameDialog NewGame{&Main};
    TFormHint Hint{&Main};
};

// Reads the settings file at `path` into the windows if it exists; what cannot be used is
// reported on standard error, one line each. True when a file was there.
bool LoadSettings(const QString& path, TProgramWindows& windows);
// Writes the windows' settings to `path`; a failure is reported on standard error.
bool SaveSettings(const QString& path, const TProgramWindows& windows);

// The start sequence: the windows, the settings file of the current directory (once), the
// main window shown, New Game opened at once, then the event loop until the main window
// closes, which saves the settings. Returns the event loop's exit code.
int RunProgram(QApplication& application);
