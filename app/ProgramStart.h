#pragma once

#include "app/BoardLink.h"
#include "app/CompetitionLink.h"
#include "app/RoomLink.h"
#include "app/StoreController.h"
#include "caller/CallerFollower.h"
#include "session/ComputerThrower.h"
#include "store/MatchKeeper.h"
#include "ui/board/BoardFollower.h"
#include "ui/hints/UnitHintDlg.h"
#include "ui/main/UnitMain.h"
#include "ui/newgame/UnitGameDlg.h"

class QApplication;

inline constexpr const char* kSettingsFileName = "VTXSettings.xml";

// The program's three windows, created in this order: the main window (with its match and
// checkout table), the New Game dialog, the Quick Shot Hint window (hidden).
struct TProgramWindows
{
    TProgramWindows();
    // The program's own start: only the windows' frames are made; the main window's contents
    // (and its checkout table) once New Game is painted, the hint window's when first shown.
    explicit TProgramWindows(TFormVTX::TContentsLater later);

    // The match in play, made first; then what throws for it and what follows it beside the
    // window (the computer, the caller, the board); then the window, a source and a follower
    // like them; then the store's keeper and the room.
    TMatchSession Session;
    TComputerThrower Computer{Session};
    TCallerFollower Calls{Session};
    TBoardFollower Board{Session};
    TFormVTX Main;
    TNewGameDialog NewGame{&Main};
    TFormHint Hint;
    // The match store, opened after the New Game dialog is painted.
    TMatchKeeper Keeper{Session, CMatchStore::DefaultPath()};
    // History, the resume offered by New Game and the export, over the store.
    TStoreController Records{Main, NewGame, Keeper};
    // The room on the local network: nothing of it is loaded until it is switched on.
    TRoomLink Room{Main};
    // The scoring boards: nothing of them is loaded unless one is set.
    TBoardLink Boards{Main, NewGame};
    // Competitions: nothing of them runs until F9, or a club's server is set.
    TCompetitionLink Competitions{Main, NewGame, Session, Keeper, CompetitionStorePath()};

    // The language chosen in the Language menu ("de"); empty: the desktop's.
    QString ChosenLanguage;
    // The settings file read at start could not be used whole: before the first save
    // replaces it, it is kept beside the new one as "<name>.bad" (".bad.1", … when that is
    // taken), so a hand edit is never lost unseen.
    bool SetSettingsFileAside = false;
    // The operator has already been told that the settings cannot be saved.
    bool SaveProblemShown = false;
};

// Reads the settings file at `path` into the windows if it exists; what cannot be used is
// shown in the main window's notice strip and on standard error, one line each, and the file
// is marked to be set aside before it is replaced. True when a file was there.
bool LoadSettings(const QString& path, TProgramWindows& windows);
// The same with the file already read (the start reads it before the windows are made, for its
// language).
bool LoadSettings(const QString& path, const TSettingsRead& read, TProgramWindows& windows);
// Writes the windows' settings to `path`, first setting an unusable file aside; a failure is
// reported on standard error.
bool SaveSettings(const QString& path, TProgramWindows& windows);
// Whether the settings can be saved at `path`; when not, the operator is told at once rather
// than when the program closes.
bool CheckSettingsCanBeSaved(const QString& path, TProgramWindows& windows);

// Where the settings file is kept: the current directory, as the file format has it; with
// `--config-dir` (as the desktop entry starts the program) the program's own folder in the
// user's configuration directory ($XDG_CONFIG_HOME/vantorix, ~/.config/vantorix when unset),
// made when missing.
QString SettingsFilePath(const QStringList& arguments);

// The start sequence: the windows, the settings file (once), New Game opened at once with the
// main window shown behind it once it is painted, then the event loop until the main window
// closes, which saves the settings.
// Returns the event loop's exit code.
int RunProgram(QApplication& application);
