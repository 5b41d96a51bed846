#pragma once

// The scoreboard's actions, with their shortcuts, menus and the tool bar: every command of the
// window in one place, each with its objectName. The window connects them to its handlers;
// their enabled and checked states are worked out here from the match and the window's state.

#include "model/UnitVTXGameLogic.h"

#include <QCoreApplication>
#include <QString>
#include <array>

class CMatch;
class QAction;
class QMainWindow;
class QMenu;
class QToolBar;
class QWidget;

// What the action states depend on besides the match.
struct TActionContext
{
    const CGame& Game;
    // The sheet of the side to throw when turns can be entered now, else none.
    const CPlayerScores* Thrower = nullptr;
    bool OnDefaultPage = true;
    bool OnStatsPage = false;
    bool HintWindowMade = false;
    bool HintWindowShown = false;
    bool ManySides = false;
    // The match has a side the computer throws for, and its throwing is paused.
    bool Computer = false;
    bool ComputerPaused = false;
    // Turns are entered dart by dart, and the Dart Pad is shown.
    bool EnterDarts = false;
    bool DartPadShown = false;
    // The match in play, whatever its game.
    const CMatch* Match = nullptr;
};

class TMainActions final
{
    Q_DECLARE_TR_FUNCTIONS(TMainActions)

public:
    // The actions are made at once, parented to and added to `window`, so that their
    // shortcuts work wherever they are shown, or not.
    explicit TMainActions(QWidget& window);
    TMainActions(const TMainActions&) = delete;
    TMainActions& operator=(const TMainActions&) = delete;

    // The menus and the tool bar they drop from, made after the New Game dialog is shown.
    void CreateToolBar(QMainWindow& window);
    void Update(const TActionContext& context);

    QAction* ActionNew = nullptr;
    QAction* ActionAbout = nullptr;
    QAction* ActionExit = nullptr;
    QAction* ActionNextLeg = nullptr;
    QAction* ActionHints = nullptr;
    QAction* ActionSubmitScore = nullptr;
    QAction* ActionQuickShotHints = nullptr;
    QAction* ActionThrow = nullptr;
    QAction* ActionUndoThrow = nullptr;
    QAction* ActionToggleFocus = nullptr;
    QAction* ActionStats = nullptr;
    QAction* ActionHistory = nullptr;
    QAction* ActionExport = nullptr;
    // Leagues and knockouts (F9), in History's drop-down.
    QAction* ActionCompetitions = nullptr;
    QAction* ActionCaller = nullptr;
    QAction* ActionBoard = nullptr;
    // The room on the local network: its switch, and the window of its QR codes while on.
    QAction* ActionRoomNetwork = nullptr;
    QAction* ActionRoomCodes = nullptr;
    // The scoring boards' settings (a camera system, a soft-tip board).
    QAction* ActionBoards = nullptr;
    // The Language menu (in the About button's drop-down): the desktop's language, then each
    // language the program speaks (data: its code, "" for the desktop's); one is checked.
    std::array<QAction*, 6> LanguageActions{};
    QMenu* MenuLanguage = nullptr;
    // With more than two sides: the score list of the next or previous side (data +1, -1).
    QAction* ActionNextSheet = nullptr;
    QAction* ActionPreviousSheet = nullptr;
    QAction* ActionPauseBot = nullptr;
    QAction* ActionDartPad = nullptr;
    // ActionThrow0 .. ActionThrow180, and ActionOutShot1 .. 3.
    std::array<QAction*, 19> ThrowActions{};
    std::array<QAction*, 3> OutShotActions{};
    QMenu* PopupMenuThrow = nullptr;
    QMenu* PopupMenuHints = nullptr;
    QToolBar* ToolBar = nullptr;

private:
    QAction* NewAction(const char* name, const QString& text, const QString& hint = {});

    QWidget& m_Window;
};
