#pragma once

class QApplication;

// The program's start sequence: the main window with its match and checkout table, the New
// Game dialog, the Quick Shot Hint window (hidden), the main window shown, New Game opened at
// once, then the event loop until the main window closes.
// Returns the event loop's exit code.
int RunProgram(QApplication& application);
