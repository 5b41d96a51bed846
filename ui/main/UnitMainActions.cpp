// The scoreboard's actions, with their shortcuts, menus and the tool bar: every command of the
// window in one place.

#include "ThrowMenu.h"
#include "ToolIcons.h"
#include "UnitMain.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

QAction* TFormVTX::NewAction(const char* name, const QString& text, const QString& hint)
{
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty()) {
        action->setToolTip(hint);
        action->setStatusTip(hint);
    }
    // Added to the window so that the shortcut works wherever the action is shown, or not.
    addAction(action);
    return action;
}

void TFormVTX::CreateActions()
{
    m_ActionNew =
        NewAction("ActionNew", QStringLiteral("New Game"), QStringLiteral("Start New Game"));
    m_ActionNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    m_ActionNew->setIcon(ToolIcon(0));
    m_ActionNew->setIconText(QStringLiteral("&New Game"));
    connect(m_ActionNew, &QAction::triggered, this, &TFormVTX::ActionNewExecute);

    m_ActionAbout = NewAction("ActionAbout", QStringLiteral("About"), QStringLiteral("About"));
    m_ActionAbout->setIcon(ToolIcon(1));
    m_ActionAbout->setIconText(QStringLiteral("&About"));
    connect(m_ActionAbout, &QAction::triggered, this, &TFormVTX::ActionAboutExecute);

    // The tool button shows "Exit" without a mnemonic: Alt+X is the action's own shortcut, and
    // a mnemonic on the same keys would make both ambiguous.
    m_ActionExit =
        NewAction("ActionExit", QStringLiteral("Exit"), QStringLiteral("Exit Application"));
    m_ActionExit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
    m_ActionExit->setIcon(ToolIcon(2));
    connect(m_ActionExit, &QAction::triggered, this, &TFormVTX::ActionExitExecute);

    m_ActionNextLeg =
        NewAction("ActionNextLeg", QStringLiteral("Next Leg"), QStringLiteral("Start Next Leg"));
    m_ActionNextLeg->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    m_ActionNextLeg->setIcon(ToolIcon(5));
    m_ActionNextLeg->setIconText(QStringLiteral("Next &Leg"));
    connect(m_ActionNextLeg, &QAction::triggered, this, &TFormVTX::ActionNextLegExecute);

    m_ActionHints = NewAction("ActionHints", QStringLiteral("Player Shot Hints"),
                              QStringLiteral("Toggle Hints"));
    m_ActionHints->setShortcut(QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_H));
    m_ActionHints->setCheckable(true);
    m_ActionHints->setChecked(true);
    connect(m_ActionHints, &QAction::triggered, this, &TFormVTX::ActionHintsExecute);

    m_ActionSubmitScore = NewAction("ActionSubmitScore", QStringLiteral("Add Score"));
    m_ActionSubmitScore->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    connect(m_ActionSubmitScore, &QAction::triggered, this, &TFormVTX::ActionSubmitScoreExecute);

    m_ActionQuickShotHints =
        NewAction("ActionQuickShotHints", QStringLiteral("Quick Shot Hint Window"));
    m_ActionQuickShotHints->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    m_ActionQuickShotHints->setCheckable(true);
    connect(m_ActionQuickShotHints, &QAction::triggered, this,
            &TFormVTX::ActionQuickShotHintsExecute);

    // 0..90 on Ctrl+digit, 100..180 on Shift+Ctrl+digit: the tens digit picks the key.
    for (int index = 0; index < static_cast<int>(m_ThrowActions.size()); ++index) {
        const int score = index * 10;
        const QByteArray name = "ActionThrow" + QByteArray::number(score);
        QAction* action = NewAction(name.constData(), QString::number(score));
        action->setData(score);
        const auto digit = static_cast<Qt::Key>(Qt::Key_0 + index % 10);
        action->setShortcut(score < 100 ? QKeySequence(Qt::CTRL | digit)
                                        : QKeySequence(Qt::SHIFT | Qt::CTRL | digit));
        connect(action, &QAction::triggered, this, [this, action] { ActionThrowExecute(action); });
        m_ThrowActions[static_cast<size_t>(index)] = action;
    }
    for (int darts = 1; darts <= 3; ++darts) {
        const QByteArray name = "ActionOutShot" + QByteArray::number(darts);
        QAction* action = NewAction(name.constData(), QStringLiteral("%1-Dart Outshot").arg(darts));
        action->setData(darts);
        action->setShortcut(QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_0 + darts)));
        connect(action, &QAction::triggered, this,
                [this, action] { ActionOutShotExecute(action); });
        m_OutShotActions[static_cast<size_t>(darts - 1)] = action;
    }

    m_ActionThrow =
        NewAction("ActionThrow", QStringLiteral("Thr&ow"), QStringLiteral("Add New Throw"));
    m_ActionThrow->setIcon(ToolIcon(6));
    m_ActionThrow->setIconText(QStringLiteral("Thr&ow"));

    m_ActionUndoThrow =
        NewAction("ActionUndoThrow", QStringLiteral("&Undo"), QStringLiteral("Undo Last Throw"));
    m_ActionUndoThrow->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    m_ActionUndoThrow->setIcon(ToolIcon(8));
    m_ActionUndoThrow->setIconText(QStringLiteral("&Undo"));
    connect(m_ActionUndoThrow, &QAction::triggered, this, &TFormVTX::ActionUndoThrowExecute);

    m_ActionToggleFocus = NewAction("ActionToggleFocus", QStringLiteral("Toggle Focus"));
    m_ActionToggleFocus->setShortcut(QKeySequence(Qt::Key_F4));
    connect(m_ActionToggleFocus, &QAction::triggered, this, &TFormVTX::ActionToggleFocusExecute);

    m_ActionStats =
        NewAction("ActionStats", QStringLiteral("&Stats"), QStringLiteral("Game Statistics"));
    m_ActionStats->setShortcut(QKeySequence(Qt::Key_F3));
    m_ActionStats->setIcon(ToolIcon(9));
    m_ActionStats->setIconText(QStringLiteral("&Stats"));
    m_ActionStats->setCheckable(true);
    connect(m_ActionStats, &QAction::triggered, this, &TFormVTX::ActionStatsExecute);

    m_ActionHistory =
        NewAction("ActionHistory", QStringLiteral("H&istory"), QStringLiteral("Stored Matches"));
    m_ActionHistory->setShortcut(QKeySequence(Qt::Key_F6));
    m_ActionHistory->setIcon(ToolIcon(10));
    connect(m_ActionHistory, &QAction::triggered, this, &TFormVTX::HistoryRequested);
    m_ActionExport = NewAction("ActionExport", QStringLiteral("Export match as CSV\u2026"),
                               QStringLiteral("Export the match in play as CSV"));
    m_ActionExport->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(m_ActionExport, &QAction::triggered, this, &TFormVTX::ExportRequested);

    // For the room: the board on a screen that faces the players, and the caller's voice.
    m_ActionBoard = NewAction("ActionBoard", QStringLiteral("&Board"),
                              QStringLiteral("Board for the room (Ctrl+B)"));
    m_ActionBoard->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    m_ActionBoard->setCheckable(true);
    m_ActionBoard->setIcon(ToolIcon(11));
    connect(m_ActionBoard, &QAction::triggered, this, &TFormVTX::ActionBoardExecute);
    m_ActionCaller = NewAction("ActionCaller", QStringLiteral("&Caller"),
                               QStringLiteral("Call the scores aloud (Ctrl+Shift+C)"));
    m_ActionCaller->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    m_ActionCaller->setCheckable(true);
    connect(m_ActionCaller, &QAction::triggered, this, &TFormVTX::ActionCallerExecute);
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

void TFormVTX::CreateToolBar()
{
    // The menus come with the tool bar they drop from, after the New Game dialog.
    m_PopupMenuThrow = CreateThrowMenu(this, m_ThrowActions, m_OutShotActions);
    m_ActionThrow->setMenu(m_PopupMenuThrow);

    m_PopupMenuHints = new QMenu(this);
    m_PopupMenuHints->setObjectName(QStringLiteral("PopupMenuHints"));
    m_PopupMenuHints->addAction(m_ActionHints);
    m_PopupMenuHints->addAction(m_ActionQuickShotHints);
    m_PopupMenuHints->addSeparator();
    m_PopupMenuHints->addAction(m_ActionToggleFocus);

    m_ToolBar = new QToolBar(QStringLiteral("ToolBar"), this);
    m_ToolBar->setObjectName(QStringLiteral("ToolBar"));
    m_ToolBar->setMovable(false);
    m_ToolBar->setFloatable(false);
    m_ToolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_ToolBar->setIconSize(QSize(16, 16));
    m_ToolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Qt::TopToolBarArea, m_ToolBar);

    m_ToolBar->addAction(m_ActionNew);
    m_ToolBar->addAction(m_ActionNextLeg);
    m_ToolBar->addSeparator();
    m_ToolBar->addAction(m_ActionThrow);
    if (auto* button = qobject_cast<QToolButton*>(m_ToolBar->widgetForAction(m_ActionThrow))) {
        button->setPopupMode(QToolButton::InstantPopup);
    }
    m_ToolBar->addAction(m_ActionUndoThrow);
    m_ToolBar->addSeparator();

    auto* hints = new QToolButton(m_ToolBar);
    hints->setObjectName(QStringLiteral("ToolButtonHints"));
    hints->setText(QStringLiteral("&Hints"));
    hints->setToolTip(QStringLiteral("Toggle Hints"));
    hints->setIcon(ToolIcon(3));
    hints->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    hints->setMenu(m_PopupMenuHints);
    hints->setPopupMode(QToolButton::InstantPopup);
    m_ToolBar->addWidget(hints);

    m_ToolBar->addAction(m_ActionStats);
    // History, with the export in its drop-down: a match is exported from the history too.
    AddDropDownButton(*m_ToolBar, "ToolButtonHistory", m_ActionHistory, "PopupMenuHistory",
                      {m_ActionExport});
    // The board, with the caller in its drop-down: both are for the room.
    AddDropDownButton(*m_ToolBar, "ToolButtonRoom", m_ActionBoard, "PopupMenuRoom",
                      {m_ActionBoard, m_ActionCaller});
    m_ToolBar->addSeparator();
    m_ToolBar->addAction(m_ActionAbout);
    // Image only, like History: with every button captioned the bar would hide Exit at the
    // window's smallest width. The caption stays in the tool tip.
    if (auto* button = qobject_cast<QToolButton*>(m_ToolBar->widgetForAction(m_ActionAbout))) {
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    m_ToolBar->addAction(m_ActionExit);
}
