#include "MainActions.h"

#include "GamesMatch.h"
#include "ThrowMenu.h"
#include "ToolIcons.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

QAction* TMainActions::NewAction(const char* name, const QString& text, const QString& hint)
{
    auto* action = new QAction(text, &m_Window);
    action->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty()) {
        action->setToolTip(hint);
        action->setStatusTip(hint);
    }
    // Added to the window so that the shortcut works wherever the action is shown, or not.
    m_Window.addAction(action);
    return action;
}

TMainActions::TMainActions(QWidget& window) : m_Window(window)
{
    ActionNew =
        NewAction("ActionNew", QStringLiteral("New Game"), QStringLiteral("Start New Game"));
    ActionNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    ActionNew->setIcon(ToolIcon(0));
    ActionNew->setIconText(QStringLiteral("&New Game"));

    ActionAbout = NewAction("ActionAbout", QStringLiteral("About"), QStringLiteral("About"));
    ActionAbout->setIcon(ToolIcon(1));
    ActionAbout->setIconText(QStringLiteral("&About"));

    // The tool button shows "Exit" without a mnemonic: Alt+X is the action's own shortcut, and
    // a mnemonic on the same keys would make both ambiguous.
    ActionExit =
        NewAction("ActionExit", QStringLiteral("Exit"), QStringLiteral("Exit Application"));
    ActionExit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
    ActionExit->setIcon(ToolIcon(2));

    ActionNextLeg =
        NewAction("ActionNextLeg", QStringLiteral("Next Leg"), QStringLiteral("Start Next Leg"));
    ActionNextLeg->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    ActionNextLeg->setIcon(ToolIcon(5));
    ActionNextLeg->setIconText(QStringLiteral("Next &Leg"));

    ActionHints = NewAction("ActionHints", QStringLiteral("Player Shot Hints"),
                            QStringLiteral("Toggle Hints"));
    ActionHints->setShortcut(QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_H));
    ActionHints->setCheckable(true);
    ActionHints->setChecked(true);

    ActionSubmitScore = NewAction("ActionSubmitScore", QStringLiteral("Add Score"));
    ActionSubmitScore->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});

    ActionQuickShotHints =
        NewAction("ActionQuickShotHints", QStringLiteral("Quick Shot Hint Window"));
    ActionQuickShotHints->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    ActionQuickShotHints->setCheckable(true);

    // 0..90 on Ctrl+digit, 100..180 on Shift+Ctrl+digit: the tens digit picks the key.
    for (int index = 0; index < static_cast<int>(ThrowActions.size()); ++index) {
        const int score = index * 10;
        const QByteArray name = "ActionThrow" + QByteArray::number(score);
        QAction* action = NewAction(name.constData(), QString::number(score));
        action->setData(score);
        const auto digit = static_cast<Qt::Key>(Qt::Key_0 + index % 10);
        action->setShortcut(score < 100 ? QKeySequence(Qt::CTRL | digit)
                                        : QKeySequence(Qt::SHIFT | Qt::CTRL | digit));
        ThrowActions[static_cast<size_t>(index)] = action;
    }
    for (int darts = 1; darts <= 3; ++darts) {
        const QByteArray name = "ActionOutShot" + QByteArray::number(darts);
        QAction* action = NewAction(name.constData(), QStringLiteral("%1-Dart Outshot").arg(darts));
        action->setData(darts);
        action->setShortcut(QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_0 + darts)));
        OutShotActions[static_cast<size_t>(darts - 1)] = action;
    }

    ActionThrow =
        NewAction("ActionThrow", QStringLiteral("Thr&ow"), QStringLiteral("Add New Throw"));
    ActionThrow->setIcon(ToolIcon(6));
    ActionThrow->setIconText(QStringLiteral("Thr&ow"));

    ActionUndoThrow =
        NewAction("ActionUndoThrow", QStringLiteral("&Undo"), QStringLiteral("Undo Last Throw"));
    ActionUndoThrow->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    ActionUndoThrow->setIcon(ToolIcon(8));
    ActionUndoThrow->setIconText(QStringLiteral("&Undo"));

    ActionToggleFocus = NewAction("ActionToggleFocus", QStringLiteral("Toggle Focus"));
    ActionToggleFocus->setShortcut(QKeySequence(Qt::Key_F4));

    ActionStats =
        NewAction("ActionStats", QStringLiteral("&Stats"), QStringLiteral("Game Statistics"));
    ActionStats->setShortcut(QKeySequence(Qt::Key_F3));
    ActionStats->setIcon(ToolIcon(9));
    ActionStats->setIconText(QStringLiteral("&Stats"));
    ActionStats->setCheckable(true);

    ActionHistory =
        NewAction("ActionHistory", QStringLiteral("H&istory"), QStringLiteral("Stored Matches"));
    ActionHistory->setShortcut(QKeySequence(Qt::Key_F6));
    ActionHistory->setIcon(ToolIcon(10));
    ActionExport = NewAction("ActionExport", QStringLiteral("Export match as CSV\u2026"),
                             QStringLiteral("Export the match in play as CSV"));
    ActionExport->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));

    // For the room: the board on a screen that faces the players, and the caller's voice.
    ActionBoard = NewAction("ActionBoard", QStringLiteral("&Board"),
                            QStringLiteral("Board for the room (Ctrl+B)"));
    ActionBoard->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    ActionBoard->setCheckable(true);
    ActionBoard->setIcon(ToolIcon(11));
    ActionCaller = NewAction("ActionCaller", QStringLiteral("&Caller"),
                             QStringLiteral("Call the scores aloud (Ctrl+Shift+C)"));
    ActionCaller->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    ActionCaller->setCheckable(true);
    ActionRoomNetwork =
        NewAction("ActionRoomNetwork", QStringLiteral("Room on the &Network"),
                  QStringLiteral("Serve the board and a keypad to the room's screens and phones"));
    ActionRoomNetwork->setCheckable(true);
    ActionRoomCodes = NewAction("ActionRoomCodes", QStringLiteral("Room &Codes\u2026"),
                                QStringLiteral("The QR codes of the board and the keypad"));
    ActionRoomCodes->setEnabled(false);

    // The computer throws on its turns by itself; paused, it waits until this is unchecked.
    ActionPauseBot = NewAction("ActionPauseBot", QStringLiteral("&Pause Computer"),
                               QStringLiteral("Pause the computer's throwing (Ctrl+P)"));
    ActionPauseBot->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    ActionPauseBot->setCheckable(true);

    // The dartboard to tap darts on, in a match entered dart by dart.
    ActionDartPad = NewAction("ActionDartPad", QStringLiteral("Dart Pa&d"),
                              QStringLiteral("A dartboard to tap each dart on (F7)"));
    ActionDartPad->setShortcut(QKeySequence(Qt::Key_F7));
    ActionDartPad->setCheckable(true);

    ActionNextSheet = NewAction("ActionNextSheet", QStringLiteral("Next Side's Scores"),
                                QStringLiteral("Show the next side's score list (Ctrl+PgDown)"));
    ActionNextSheet->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    ActionNextSheet->setData(1);
    ActionPreviousSheet =
        NewAction("ActionPreviousSheet", QStringLiteral("Previous Side's Scores"),
                  QStringLiteral("Show the previous side's score list (Ctrl+PgUp)"));
    ActionPreviousSheet->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    ActionPreviousSheet->setData(-1);
}

namespace {

// An image-only tool button for `action` with the other `items` in its drop-down.
void AddDropDownButton(QToolBar& bar, const char* name, QAction* action, const char* menuName,
                       std::initializer_list<QAction*> items)
{
    auto* button = new QToolButton(&bar);
    button->setObjectName(QString::fromLatin1(name));
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    auto* menu = new QMenu(button);
    menu->setObjectName(QString::fromLatin1(menuName));
    menu->addActions(QList<QAction*>(items));
    button->setMenu(menu);
    button->setPopupMode(QToolButton::MenuButtonPopup);
    bar.addWidget(button);
}

} // namespace

void TMainActions::CreateToolBar(QMainWindow& window)
{
    // The menus come with the tool bar they drop from, after the New Game dialog.
    PopupMenuThrow = CreateThrowMenu(&window, ThrowActions, OutShotActions);
    PopupMenuThrow->addSeparator();
    PopupMenuThrow->addAction(ActionPauseBot);
    PopupMenuThrow->addAction(ActionDartPad);
    ActionThrow->setMenu(PopupMenuThrow);

    PopupMenuHints = new QMenu(&window);
    PopupMenuHints->setObjectName(QStringLiteral("PopupMenuHints"));
    PopupMenuHints->addAction(ActionHints);
    PopupMenuHints->addAction(ActionQuickShotHints);
    PopupMenuHints->addSeparator();
    PopupMenuHints->addAction(ActionToggleFocus);

    ToolBar = new QToolBar(QStringLiteral("ToolBar"), &window);
    ToolBar->setObjectName(QStringLiteral("ToolBar"));
    ToolBar->setMovable(false);
    ToolBar->setFloatable(false);
    ToolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    ToolBar->setIconSize(QSize(16, 16));
    ToolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    window.addToolBar(Qt::TopToolBarArea, ToolBar);

    ToolBar->addAction(ActionNew);
    ToolBar->addAction(ActionNextLeg);
    ToolBar->addSeparator();
    ToolBar->addAction(ActionThrow);
    if (auto* button = qobject_cast<QToolButton*>(ToolBar->widgetForAction(ActionThrow))) {
        button->setPopupMode(QToolButton::InstantPopup);
    }
    ToolBar->addAction(ActionUndoThrow);
    ToolBar->addSeparator();

    auto* hints = new QToolButton(ToolBar);
    hints->setObjectName(QStringLiteral("ToolButtonHints"));
    hints->setText(QStringLiteral("&Hints"));
    hints->setToolTip(QStringLiteral("Toggle Hints"));
    hints->setIcon(ToolIcon(3));
    hints->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    hints->setMenu(PopupMenuHints);
    hints->setPopupMode(QToolButton::InstantPopup);
    ToolBar->addWidget(hints);

    ToolBar->addAction(ActionStats);
    // History, with the export in its drop-down: a match is exported from the history too.
    AddDropDownButton(*ToolBar, "ToolButtonHistory", ActionHistory, "PopupMenuHistory",
                      {ActionExport});
    // The board, with the caller in its drop-down: both are for the room.
    AddDropDownButton(*ToolBar, "ToolButtonRoom", ActionBoard, "PopupMenuRoom",
                      {ActionBoard, ActionCaller, ActionRoomNetwork, ActionRoomCodes});
    ToolBar->addSeparator();
    ToolBar->addAction(ActionAbout);
    // Image only, like History: with every button captioned the bar would hide Exit at the
    // window's smallest width. The caption stays in the tool tip.
    if (auto* button = qobject_cast<QToolButton*>(ToolBar->widgetForAction(ActionAbout))) {
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    ToolBar->addAction(ActionExit);
}

void TMainActions::Update(const TActionContext& context)
{
    const CPlayerScores* thrower = context.Thrower;
    const CGame& game = context.Game;
    const CLeg* leg = game.CurrentLeg();
    const TGameParams& params = game.Params();
    // A finished leg takes no turn, so no turn can be offered until the next leg.
    const int32_t remainder = thrower != nullptr ? thrower->LastEntry()->Remainder : 0;
    ActionThrow->setEnabled(thrower != nullptr);
    for (QAction* action : ThrowActions) {
        const int score = action->data().toInt();
        action->setEnabled(thrower != nullptr && (params.CountUp || remainder - score > 1));
    }
    const int32_t needed =
        thrower != nullptr && !params.CountUp ? CGame::CheckOutDarts(remainder) : -1;
    for (QAction* action : OutShotActions) {
        action->setEnabled(needed > 0 && action->data().toInt() >= needed);
    }
    const CPlayerScores* current = leg != nullptr ? leg->CurrentSheet() : nullptr;
    ActionUndoThrow->setEnabled(
        context.OnDefaultPage &&
        ((current != nullptr && current->CanUndoThrow()) || game.CanUndoNextLeg()));
    ActionNextLeg->setEnabled(leg != nullptr && leg->Finished() && game.MatchWinner() < 0);
    ActionStats->setEnabled(leg != nullptr);
    ActionStats->setChecked(context.OnStatsPage);
    ActionQuickShotHints->setEnabled(context.HintWindowMade);
    ActionQuickShotHints->setChecked(context.HintWindowShown);
    ActionToggleFocus->setEnabled(context.HintWindowShown);
    const bool sides = context.ManySides && context.OnDefaultPage && leg != nullptr;
    ActionNextSheet->setEnabled(sides);
    ActionPreviousSheet->setEnabled(sides);
    ActionPauseBot->setEnabled(context.Computer);
    ActionPauseBot->setChecked(context.Computer && context.ComputerPaused);
    ActionDartPad->setEnabled(context.EnterDarts);
    ActionDartPad->setChecked(context.DartPadShown);
    if (const CGamesMatch* games = context.Games) {
        // No X01 turn, checkout or correction: undo, the next leg and the statistics only.
        const CDartsGame& played = games->CurrentLeg();
        ActionUndoThrow->setEnabled(context.OnDefaultPage &&
                                    (played.TurnCount() > 0 || games->CanUndoNextLeg()));
        ActionNextLeg->setEnabled(played.Over() && games->MatchWinner() < 0);
        ActionNextSheet->setEnabled(false);
        ActionPreviousSheet->setEnabled(false);
    }
}
