#include "ui/main/MainActions.h"

#include "model/UnitVTXGameLogic.h"
#include "ui/entry/ThrowMenu.h"
#include "ui/main/ToolIcons.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QLayout>
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
    ActionNew = NewAction("ActionNew", tr("New Game"), tr("Start New Game"));
    ActionNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    ActionNew->setIcon(ToolIcon(0));
    ActionNew->setIconText(tr("&New Game"));

    ActionAbout = NewAction("ActionAbout", tr("About"), tr("About"));
    ActionAbout->setIcon(ToolIcon(1));
    ActionAbout->setIconText(tr("&About"));

    // The tool button shows "Exit" without a mnemonic: Alt+X is the action's own shortcut, and
    // a mnemonic on the same keys would make both ambiguous.
    ActionExit = NewAction("ActionExit", tr("Exit"), tr("Exit Application"));
    ActionExit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
    ActionExit->setIcon(ToolIcon(2));

    ActionNextLeg = NewAction("ActionNextLeg", tr("Next Leg"), tr("Start Next Leg"));
    ActionNextLeg->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    ActionNextLeg->setIcon(ToolIcon(5));
    ActionNextLeg->setIconText(tr("Next &Leg"));

    ActionHints = NewAction("ActionHints", tr("Player Shot Hints"), tr("Toggle Hints"));
    ActionHints->setShortcut(QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_H));
    ActionHints->setCheckable(true);
    ActionHints->setChecked(true);

    ActionSubmitScore = NewAction("ActionSubmitScore", tr("Add Score"));
    ActionSubmitScore->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});

    ActionQuickShotHints = NewAction("ActionQuickShotHints", tr("Quick Shot Hint Window"));
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
        QAction* action = NewAction(name.constData(), tr("%n-Dart Outshot", nullptr, darts));
        action->setData(darts);
        action->setShortcut(QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_0 + darts)));
        OutShotActions[static_cast<size_t>(darts - 1)] = action;
    }

    ActionThrow = NewAction("ActionThrow", tr("Thr&ow"), tr("Add New Throw"));
    ActionThrow->setIcon(ToolIcon(6));
    ActionThrow->setIconText(tr("Thr&ow"));

    ActionUndoThrow = NewAction("ActionUndoThrow", tr("&Undo"), tr("Undo Last Throw"));
    ActionUndoThrow->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    ActionUndoThrow->setIcon(ToolIcon(8));
    ActionUndoThrow->setIconText(tr("&Undo"));

    ActionToggleFocus = NewAction("ActionToggleFocus", tr("Toggle Focus"));
    ActionToggleFocus->setShortcut(QKeySequence(Qt::Key_F4));

    ActionStats = NewAction("ActionStats", tr("&Stats"), tr("Game Statistics"));
    ActionStats->setShortcut(QKeySequence(Qt::Key_F3));
    ActionStats->setIcon(ToolIcon(9));
    ActionStats->setIconText(tr("&Stats"));
    ActionStats->setCheckable(true);

    ActionHistory = NewAction("ActionHistory", tr("H&istory"), tr("Stored Matches"));
    ActionHistory->setShortcut(QKeySequence(Qt::Key_F6));
    ActionHistory->setIcon(ToolIcon(10));
    ActionExport = NewAction("ActionExport", tr("Export match as CSV\u2026"),
                             tr("Export the match in play as CSV"));
    ActionExport->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    ActionCompetitions = NewAction("ActionCompetitions", tr("&Competitions\u2026"),
                                   tr("Leagues and knockouts over one or several boards (F9)"));
    ActionCompetitions->setShortcut(QKeySequence(Qt::Key_F9));

    // For the room: the board on a screen that faces the players, and the caller's voice.
    ActionBoard = NewAction("ActionBoard", tr("&Board"), tr("Board for the room (Ctrl+B)"));
    ActionBoard->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    ActionBoard->setCheckable(true);
    ActionBoard->setIcon(ToolIcon(11));
    ActionCaller =
        NewAction("ActionCaller", tr("&Caller"), tr("Call the scores aloud (Ctrl+Shift+C)"));
    ActionCaller->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    ActionCaller->setCheckable(true);
    ActionRoomNetwork =
        NewAction("ActionRoomNetwork", tr("Room on the &Network"),
                  tr("Serve the board and a keypad to the room's screens and phones"));
    ActionRoomNetwork->setCheckable(true);
    ActionRoomCodes = NewAction("ActionRoomCodes", tr("Room C&odes\u2026"),
                                tr("The QR codes of the board and the keypad"));
    ActionRoomCodes->setEnabled(false);
    ActionBoards = NewAction("ActionBoards", tr("&Scoring Boards\u2026"),
                             tr("Take the darts from a camera system or a soft-tip board"));
    static constexpr std::array<std::pair<const char*, const char*>, 6> kLanguages = {{
        {"ActionLanguageSystem", ""},
        {"ActionLanguageEnglish", "en"},
        {"ActionLanguageGerman", "de"},
        {"ActionLanguageDutch", "nl"},
        {"ActionLanguageFrench", "fr"},
        {"ActionLanguageSpanish", "es"},
    }};
    // Each language by its own name, as someone who reads only that language looks for it.
    const std::array<QString, 6> names = {
        tr("The desktop's language"),    QStringLiteral("English"),
        QStringLiteral("Deutsch"),       QStringLiteral("Nederlands"),
        QStringLiteral("Fran\u00E7ais"), QStringLiteral("Espa\u00F1ol")};
    auto* languages = new QActionGroup(&m_Window);
    for (size_t index = 0; index < kLanguages.size(); ++index) {
        QAction* action = NewAction(kLanguages[index].first, names[index]);
        action->setCheckable(true);
        action->setData(QString::fromLatin1(kLanguages[index].second));
        languages->addAction(action);
        LanguageActions[index] = action;
    }
    LanguageActions[0]->setChecked(true);

    // The computer throws on its turns by itself; paused, it waits until this is unchecked.
    ActionPauseBot = NewAction("ActionPauseBot", tr("&Pause Computer"),
                               tr("Pause the computer's throwing (Ctrl+P)"));
    ActionPauseBot->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    ActionPauseBot->setCheckable(true);

    // The dartboard to tap darts on, in a match entered dart by dart.
    ActionDartPad =
        NewAction("ActionDartPad", tr("Dart Pa&d"), tr("A dartboard to tap each dart on (F7)"));
    ActionDartPad->setShortcut(QKeySequence(Qt::Key_F7));
    ActionDartPad->setCheckable(true);

    ActionNextSheet = NewAction("ActionNextSheet", tr("Next Side's Scores"),
                                tr("Show the next side's score list (Ctrl+PgDown)"));
    ActionNextSheet->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    ActionNextSheet->setData(1);
    ActionPreviousSheet = NewAction("ActionPreviousSheet", tr("Previous Side's Scores"),
                                    tr("Show the previous side's score list (Ctrl+PgUp)"));
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

// Keeps every button of the tool bar in view as the bar's width changes: the captions stand
// beside their icons while the bar holds them so (English at any width the window allows),
// under them when it does not, and give way to the tool tips alone when even that would send a
// button into the bar's overflow menu.
class TToolBarFit final : public QObject
{
public:
    explicit TToolBarFit(QToolBar& bar) : QObject(&bar), m_Bar(bar)
    {
        bar.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize && !m_Fitting && m_Bar.width() != m_Width) {
            m_Width = m_Bar.width();
            m_Fitting = true;
            for (const Qt::ToolButtonStyle style :
                 {Qt::ToolButtonTextBesideIcon, Qt::ToolButtonTextUnderIcon,
                  Qt::ToolButtonIconOnly}) {
                m_Bar.setToolButtonStyle(style);
                m_Bar.layout()->invalidate();
                if (m_Bar.layout()->sizeHint().width() <= m_Width) {
                    break;
                }
            }
            m_Fitting = false;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QToolBar& m_Bar;
    int m_Width = -1;
    bool m_Fitting = false;
};

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

    ToolBar = new QToolBar(tr("ToolBar"), &window);
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
    hints->setText(tr("&Hints"));
    hints->setToolTip(tr("Toggle Hints"));
    hints->setIcon(ToolIcon(3));
    // A widget of the bar's own, it takes the bar's style as the actions' buttons do.
    hints->setToolButtonStyle(ToolBar->toolButtonStyle());
    QObject::connect(ToolBar, &QToolBar::toolButtonStyleChanged, hints,
                     &QToolButton::setToolButtonStyle);
    hints->setMenu(PopupMenuHints);
    hints->setPopupMode(QToolButton::InstantPopup);
    ToolBar->addWidget(hints);

    ToolBar->addAction(ActionStats);
    // History, with the export in its drop-down: a match is exported from the history too.
    AddDropDownButton(*ToolBar, "ToolButtonHistory", ActionHistory, "PopupMenuHistory",
                      {ActionExport, ActionCompetitions});
    // The board, with the caller in its drop-down: both are for the room.
    AddDropDownButton(
        *ToolBar, "ToolButtonRoom", ActionBoard, "PopupMenuRoom",
        {ActionBoard, ActionCaller, ActionRoomNetwork, ActionRoomCodes, ActionBoards});
    ToolBar->addSeparator();
    // About, with the Language menu in its drop-down. Image only, like History: with every
    // button captioned the bar would hide Exit at the window's smallest width. The caption
    // stays in the tool tip.
    AddDropDownButton(*ToolBar, "ToolButtonAbout", ActionAbout, "PopupMenuAbout", {ActionAbout});
    MenuLanguage = new QMenu(tr("&Language"), &window);
    MenuLanguage->setObjectName(QStringLiteral("MenuLanguage"));
    MenuLanguage->addActions(QList<QAction*>(LanguageActions.begin(), LanguageActions.end()));
    if (auto* about = ToolBar->findChild<QMenu*>(QStringLiteral("PopupMenuAbout"))) {
        about->addMenu(MenuLanguage);
    }
    // The menu shows while the button is held down; the button stays as narrow as a plain
    // one, so that Exit keeps its place at the window's smallest width.
    if (auto* button = ToolBar->findChild<QToolButton*>(QStringLiteral("ToolButtonAbout"))) {
        button->setPopupMode(QToolButton::DelayedPopup);
    }
    ToolBar->addAction(ActionExit);
    new TToolBarFit(*ToolBar);
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
    // Undo and Next Leg as the match answers them, whatever its game.
    const CMatch& match = context.Match != nullptr ? *context.Match : game;
    ActionUndoThrow->setEnabled(context.OnDefaultPage &&
                                (match.Check({TOperationKind::Undo}).Accepted() ||
                                 match.Check({TOperationKind::UndoNextLeg}).Accepted()));
    ActionNextLeg->setEnabled(match.LegCount() > 0 && match.LegOver() && match.MatchWinner() < 0);
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
}
