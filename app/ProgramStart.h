#pragma once

class QApplication;

// The program's start sequence: the main window with its match, the New Game dialog, the
// main window shown, New Game opened at once, then the event loop until the window closes.
// Returns the event loop's exit code.
int RunProgram(QApplication& application);
