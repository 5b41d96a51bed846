#include "ui/main/UnitMain.h"

#include "caller/Caller.h"
#include "caller/CallerFollower.h"
#include "session/ComputerThrower.h"
#include "ui/board/BoardFollower.h"
#include "ui/board/BoardWindow.h"
#include "ui/common/WidgetHelpers.h"
#include "ui/entry/LegCorrectionDialog.h"
#include "ui/entry/TypedEntry.h"
#include "ui/hints/CheckoutTable.h"
#include "ui/hints/DigitEdit.h"
#include "ui/hints/UnitHintDlg.h"
#include "ui/main/MainActions.h"
#include "ui/main/MainPages.h"
#include "ui/main/ManySides.h"
#include "ui/main/NoticeBar.h"
#include "ui/main/WinnerBanner.h"
#include "ui/newgame/UnitGameDlg.h"
#include "ui/panels/GamePanel.h"
#include "ui/panels/PlayerPanel.h"
#include "ui/panels/SideCards.h"
#include "ui/stats/StatsPage.h"
#include "words/MatchFormat.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>
#include <QStackedWidget>
#include <QTreeView>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

constexpr int kPageDefault = TMainPages::kPageDefault;
constexpr int kPageStats = TMainPages::kPageStats;

} // namespace

// Nothing may call back into the window once its own part is gone: deleting the child widgets
// moves the focus and fires focusChanged, and the match's legs outlive this body.
TFormVTX::~TFormVTX()
{
    disconnect(qApp, nullptr, this, nullptr);
    if (m_HintWindow != nullptr) {
        m_HintWindow->removeEventFilter(this);
    }
    disconnect(&m_Session, nullptr, this, nullptr);
    disconnect(m_Computer, nullptr, this, nullptr);
    disconnect(&m_Calls->Caller(), nullptr, this, nullptr);
    disconnect(m_Room, nullptr, this, nullptr);
    m_Computer->OperatorBusy = nullptr;
    m_Room->LendOperatorWindow(nullptr);
    m_OwnComputer.reset();
    m_OwnCalls.reset();
    m_OwnBoard.reset();
}

// The window's making: the frame at once, the contents (tool bar, panels, pages) when first
// needed, which at the program's start is after the New Game dialog is on screen.

TFormVTX::TFormVTX(QWidget* parent) : TFormVTX(TContentsLater{}, parent)
{
    BuildContents();
}

TFormVTX::TFormVTX(TContentsLater, QWidget* parent)
    : TFormVTX(*new TMatchSession, TContentsLater{}, parent)
{
    m_OwnSession.reset(&m_Session);
}

TFormVTX::TFormVTX(TMatchSession& session, TContentsLater, QWidget* parent)
    : QMainWindow(parent), m_Session(session)
{
    m_OwnComputer = std::make_unique<TComputerThrower>(m_Session);
    m_OwnCalls = std::make_unique<TCallerFollower>(m_Session);
    m_OwnBoard = std::make_unique<TBoardFollower>(m_Session);
    MakeFrame({*m_OwnComputer, *m_OwnCalls, *m_OwnBoard});
}

TFormVTX::TFormVTX(TMatchSession& session, TFollowers followers, TContentsLater, QWidget* parent)
    : QMainWindow(parent), m_Session(session)
{
    MakeFrame(followers);
}

void TFormVTX::MakeFrame(TFollowers followers)
{
    m_Computer = &followers.Computer;
    m_Calls = &followers.Calls;
    m_Room = &followers.Board;
    m_Room->LendOperatorWindow(this);
    setObjectName(QStringLiteral("FormVTX"));
    setWindowTitle(QStringLiteral("Vantorix"));
    setMinimumSize(669, 300);
    resize(669, 570);
    // On a small screen (800x480) the players' boxes must not start below its edge.
    FitAndCentre(*this);

    // The window follows the session like every other view; it changes the match only by
    // handing operations to it.
    connect(&m_Session, &TMatchSession::MatchStarted, this,
            [this] { WhenBuilt([this] { ShowMatch(); }); });
    connect(&m_Session, &TMatchSession::Resumed, this,
            [this] { WhenBuilt([this] { ShowMatch(); }); });
    connect(&m_Session, &TMatchSession::SheetChanged, this,
            [this](CPlayerScores* sheet) { GameSheetChanged(*sheet); });
    connect(&m_Session, &TMatchSession::TurnChanged, this, &TFormVTX::GameTurnChanged);
    connect(&m_Session, &TMatchSession::LegWon, this,
            [this](CPlayerScores* sheet) { GameLegWon(*sheet); });
    connect(&m_Session, &TMatchSession::OperationApplied, this, &TFormVTX::OperationDone);
    m_ProgramDir = QCoreApplication::applicationDirPath();
    if (!m_ProgramDir.endsWith(u'/')) {
        m_ProgramDir += u'/';
    }

    m_Actions = std::make_unique<TMainActions>(*this);
    ConnectActions();
    connect(&m_Calls->Caller(), &TCaller::Problem, this, &TFormVTX::ShowNotice);
    connect(m_Room, &TBoardFollower::ScoreKey, this, [this](int key, const QString& text) {
        if (ContentsBuilt()) {
            m_Entry->TypeFromBoard(key, text);
        }
    });
    connect(m_Room, &TBoardFollower::BoardVisibilityChanged, m_Actions->ActionBoard,
            &QAction::setChecked);
    connect(m_Computer, &TComputerThrower::DartsShown, this,
            [this](int player, const QString& darts) {
                m_Room->ShowDarts(player, darts);
                ShowDartsLines();
            });
    connect(m_Computer, &TComputerThrower::StateChanged, this, [this] {
        UpdateActions();
        ShowDartsLines();
    });
    connect(m_Actions->ActionPauseBot, &QAction::toggled, m_Computer, &TComputerThrower::SetPaused);
    m_Computer->OperatorBusy = [this] { return m_Entry != nullptr && m_Entry->OperatorBusy(); };
    connect(m_Actions->ActionDartPad, &QAction::triggered, this, [this](bool shown) {
        if (ContentsBuilt()) {
            m_Entry->ShowPad(shown);
            UpdateActions();
        }
    });
}

void TFormVTX::ShowDartsLines()
{
    if (ContentsBuilt()) {
        m_Pages->ShowDartsLines(m_Game, *m_Computer);
    }
}

void TFormVTX::ConnectActions()
{
    const TMainActions& actions = *m_Actions;
    const std::pair<QAction*, void (TFormVTX::*)()> handlers[] = {
        {actions.ActionNew, &TFormVTX::ActionNewExecute},
        {actions.ActionAbout, &TFormVTX::ActionAboutExecute},
        {actions.ActionExit, &TFormVTX::ActionExitExecute},
        {actions.ActionNextLeg, &TFormVTX::ActionNextLegExecute},
        {actions.ActionHints, &TFormVTX::ActionHintsExecute},
        {actions.ActionSubmitScore, &TFormVTX::ActionSubmitScoreExecute},
        {actions.ActionQuickShotHints, &TFormVTX::ActionQuickShotHintsExecute},
        {actions.ActionUndoThrow, &TFormVTX::ActionUndoThrowExecute},
        {actions.ActionToggleFocus, &TFormVTX::ActionToggleFocusExecute},
        {actions.ActionStats, &TFormVTX::ActionStatsExecute},
        {actions.ActionHistory, &TFormVTX::HistoryRequested},
        {actions.ActionExport, &TFormVTX::ExportRequested},
        {actions.ActionBoard, &TFormVTX::ActionBoardExecute},
        {actions.ActionCaller, &TFormVTX::ActionCallerExecute},
    };
    for (const auto& [action, handler] : handlers) {
        connect(action, &QAction::triggered, this, handler);
    }
    for (QAction* action : actions.ThrowActions) {
        connect(action, &QAction::triggered, this, [this, action] { ActionThrowExecute(action); });
    }
    for (QAction* action : {actions.ActionNextSheet, actions.ActionPreviousSheet}) {
        connect(action, &QAction::triggered, this,
                [this, action] { ActionNextSheetExecute(action); });
    }
    for (QAction* action : actions.OutShotActions) {
        connect(action, &QAction::triggered, this,
                [this, action] { ActionOutShotExecute(action); });
    }
}

void TFormVTX::BuildContents()
{
    if (ContentsBuilt()) {
        return;
    }
    m_Actions->CreateToolBar(*this);
    CreatePages();
    SetHintsShown(HintsShown());
    for (const QString& line : std::exchange(m_EarlyNotices, {})) {
        m_Notice->AddNotice(line);
    }
    OpenCheckoutTable(m_ProgramDir + QStringLiteral("VTXOutShots.ini"));
    connect(qApp, &QApplication::focusChanged, this, [this] { UpdateActions(); });
    UpdateActions();
    for (const std::function<void()>& step : std::exchange(m_WhenBuilt, {})) {
        step();
    }
}

void TFormVTX::WhenBuilt(std::function<void()> step)
{
    if (ContentsBuilt()) {
        step();
    } else {
        m_WhenBuilt.push_back(std::move(step));
    }
}

void TFormVTX::setVisible(bool visible)
{
    if (visible) {
        BuildContents();
    }
    QMainWindow::setVisible(visible);
}

void TFormVTX::OpenNewGameFirst()
{
    if (m_NewGameDialog != nullptr && !isVisible()) {
        m_ShowBehindDialog = true;
        connect(m_NewGameDialog, &TNewGameDialog::FirstPainted, this, &TFormVTX::ShowBehindDialog,
                Qt::SingleShotConnection);
    }
    m_Actions->ActionNew->trigger();
}

void TFormVTX::ShowBehindDialog()
{
    if (!std::exchange(m_ShowBehindDialog, false)) {
        return;
    }
    setAttribute(Qt::WA_ShowWithoutActivating);
    show();
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    if (m_NewGameDialog->isVisible()) {
        // Shown before this window existed on screen, the dialog is made its transient now,
        // so that a window manager keeps it in front; without one it is raised by hand.
        QWindow* dialogWindow = m_NewGameDialog->windowHandle();
        if (dialogWindow != nullptr && dialogWindow->transientParent() == nullptr) {
            dialogWindow->setTransientParent(windowHandle());
        }
        m_NewGameDialog->raise();
        m_NewGameDialog->activateWindow();
    }
}

void TFormVTX::CreatePages()
{
    auto* pages = new TMainPages(m_Game, this);
    m_Pages = pages;
    m_Entry = std::make_unique<TTypedEntry>(m_Session, *pages, *this);
    m_Entry->ComputerThrows = [this](int player) {
        return ComputerAverage(m_Game.Params(), player) > 0 && !m_Computer->IsPaused() &&
               !m_Computer->IsWaiting();
    };
    m_Sides = std::make_unique<TManySides>(m_Game, *pages, *m_Entry);
    m_Sides->FillHints = [this](int score, int player) { FillPlayerHints(score, player); };
    m_Entry->BeforeFocus = [this] {
        if (const CPlayerScores* thrower = m_Entry->ThrowingSheet();
            thrower != nullptr && m_Pages->ManySides()) {
            m_Sides->Show(thrower->PlayerIndex());
        }
    };
    connect(pages->Cards(), &TSideCards::SideChosen, this, &TFormVTX::ChooseSide);
    auto* game = new TGamePanel(m_Session, pages->PanelX01());
    pages->AddGamePanel(game);
    m_Entry->SetGamePanel(game);
    m_PanelGameTitle = pages->GameTitle();
    m_Notebook = pages->Notebook();
    m_PanelX01 = pages->PanelX01();
    m_Players = pages->Players();
    m_StatsPage = pages->Stats();
    m_Banner = pages->Banner();
    m_Notice = pages->Notice();
    for (TPlayerPanel* panel : m_Players) {
        connect(panel, &TPlayerPanel::CorrectionClosed, this,
                [this] { m_Entry->FocusThrownBox(); });
        connect(panel, &TPlayerPanel::CheckoutAsked, this,
                [this, panel](int darts) { m_Entry->CheckoutAsked(panel->Player(), darts); });
    }
    connect(m_StatsPage, &TStatsPage::LegChosen, this,
            [this](int legIndex) { m_Entry->CorrectLeg(legIndex); });
    connect(m_Banner, &TWinnerBanner::Ended, this, &TFormVTX::UpdateActions);
    connect(game, &TGamePanel::LegWon, m_Banner, &TWinnerBanner::ShowFor);
    connect(game, &TGamePanel::TitleChanged, m_PanelGameTitle, &QLabel::setText);
    connect(m_Notebook, &QStackedWidget::currentChanged, this, &TFormVTX::NotebookPageChanged);
    setCentralWidget(pages);
}

void TFormVTX::SetHintWindow(TFormHint* window)
{
    m_HintWindow = window;
    if (window != nullptr) {
        window->SetCheckoutTable(m_CheckoutTable.get());
        // Its keys work from the hint window too: F4 comes back, Ctrl+H closes it.
        window->addAction(m_Actions->ActionToggleFocus);
        window->addAction(m_Actions->ActionQuickShotHints);
        window->installEventFilter(this);
    }
    UpdateActions();
}

bool TFormVTX::OpenCheckoutTable(const QString& path)
{
    m_Room->SetCheckoutTable(nullptr);
    QString problem;
    m_CheckoutTable = OpenCheckoutFile(path, problem);
    m_Room->SetCheckoutTable(m_CheckoutTable.get());
    if (m_CheckoutTable == nullptr) {
        ShowNotice(tr("No checkout routes: %1 %2.").arg(path, problem));
    }
    if (auto* hintWindow = qobject_cast<TFormHint*>(m_HintWindow.data())) {
        hintWindow->SetCheckoutTable(m_CheckoutTable.get());
    }
    return m_CheckoutTable != nullptr;
}

void TFormVTX::ShowNotice(const QString& line)
{
    std::fprintf(stderr, "vantorix: %s\n", qPrintable(line));
    if (m_Notice != nullptr) {
        m_Notice->AddNotice(line);
    } else {
        m_EarlyNotices.append(line);
    }
}

QStringList TFormVTX::Notices() const
{
    return m_Notice != nullptr ? m_Notice->Notices() : m_EarlyNotices;
}

void TFormVTX::FillPlayerHints(int score, int player)
{
    if (TPlayerPanel* panel = m_Pages->PanelOf(player)) {
        panel->FillHints(m_CheckoutTable.get(), score);
    }
}

void TFormVTX::ChooseSide(int player)
{
    if (!m_Pages->ManySides() || InputBlocked() || m_Notebook->currentIndex() != kPageDefault) {
        return;
    }
    m_Sides->Show(player);
    const CPlayerScores* thrower = m_Entry->ThrowingSheet();
    if (thrower != nullptr && thrower->PlayerIndex() == player) {
        m_Entry->FocusThrownBox();
    } else {
        m_Players[0]->Scores()->setFocus(); // Enter corrects the selected turn
    }
    UpdateActions();
}

void TFormVTX::ActionNextSheetExecute(const QAction* action)
{
    const int sides = m_Game.Params().PlayerCount;
    ChooseSide((m_Players[0]->Player() + action->data().toInt() + sides) % sides);
}

bool TFormVTX::InputBlocked() const
{
    return m_Banner != nullptr && m_Banner->Blocking();
}

// ---------------------------------------------------------------------------------------------
// Action states

void TFormVTX::UpdateActions()
{
    if (!ContentsBuilt()) {
        return; // nothing to act on yet; worked out when the contents are made
    }
    const int page = m_Notebook->currentIndex();
    m_Actions->Update(
        {m_Game, m_Entry->ThrowingSheet(), page == kPageDefault, page == kPageStats,
         m_HintWindow != nullptr, m_HintWindow != nullptr && m_HintWindow->isVisible(),
         m_Pages->ManySides(), m_Computer->HasComputer(), m_Computer->IsPaused(),
         m_Game.Params().EnterDarts,
         m_Entry->PadWindow() != nullptr && m_Entry->PadWindow()->isVisible(), &m_Session.Match()});
}

// ---------------------------------------------------------------------------------------------
// Actions

void TFormVTX::ActionNewExecute()
{
    if (ContentsBuilt()) {
        m_Notebook->setCurrentIndex(kPageDefault);
    }
    if (m_NewGameDialog == nullptr) {
        return;
    }
    const int result = m_NewGameDialog->exec();
    ShowBehindDialog(); // when the dialog went before it was painted
    BuildContents();
    GiveKeyboardBack();
    if (result == TNewGameDialog::kResultExit) {
        close();
        return;
    }
    if (result == TNewGameDialog::kResultResume) {
        emit ResumeRequested();
        return;
    }
    if (result != TNewGameDialog::kResultStart) {
        UpdateActions();
        return;
    }
    m_Session.Start(m_NewGameDialog->GameTitle(), m_NewGameDialog->GameParams());
}

bool TFormVTX::Apply(const TMatchOperation& operation)
{
    // Its followers, this window among them, have what it changed before it is painted.
    return m_Session.Apply(operation);
}

bool TFormVTX::ResumeMatch(const QString& gameName, const TGameParams& params,
                           const std::vector<TMatchOperation>& operations,
                           std::vector<size_t>* skipped)
{
    const bool whole = m_Session.Resume(gameName, params, operations, skipped);
    m_Notebook->setCurrentIndex(kPageDefault);
    GiveKeyboardBack();
    return whole;
}

// A match started or put back: shown as it stands, with nobody's turns of an earlier one.
void TFormVTX::ShowMatch()
{
    const TGameParams& params = m_Game.Params();
    m_Pages->LayOutFor(params.PlayerCount, TGamePanel::Draws(m_Session.Match()));
    const CLeg& leg = *m_Game.CurrentLeg();
    m_Players[0]->SetPlayer(m_Pages->ManySides() ? TManySides::SideShown(leg) : 0);
    m_Players[1]->SetPlayer(1);
    // A match entered dart by dart brings the pad up; one of totals takes it away.
    if (params.EnterDarts || m_Entry->PadWindow() != nullptr) {
        m_Entry->ShowPad(params.EnterDarts);
    }
    for (TPlayerPanel* panel : m_Players) {
        panel->SetDartsMode(params.EnterDarts);
        panel->Clear();
        panel->SetName(SideBarName(m_Game, panel->Player()));
        if (CPlayerScores* sheet = leg.GetSheet(panel->Player())) {
            GameSheetChanged(*sheet);
        }
    }
    if (m_Pages->ManySides()) {
        m_Players[1]->SetActive(false);
        m_Sides->MarkStale();
    }
    GameTurnChanged(leg.Finished() ? nullptr : leg.CurrentSheet());
    m_Sides->Flush();
    ShowDartsLines();
}

void TFormVTX::ActionAboutExecute()
{
    QMessageBox::information(this, tr("About"), tr("Vantorix\nVersion 1.06\n\nDarts scoreboard"));
    GiveKeyboardBack();
}

void TFormVTX::ActionExitExecute()
{
    close();
}

void TFormVTX::ActionNextLegExecute()
{
    // The operator's next leg follows a leg that is over, never one in play.
    const CMatch& match = m_Session.Match();
    if (match.LegCount() > 0 && match.LegOver() && match.MatchWinner() < 0) {
        Apply({TOperationKind::NextLeg});
    }
}

void TFormVTX::ActionHintsExecute()
{
    SetHintsShown(m_Actions->ActionHints->isChecked());
}

bool TFormVTX::HintsShown() const
{
    return m_Actions->ActionHints->isChecked();
}

void TFormVTX::SetHintsShown(bool shown)
{
    m_Actions->ActionHints->setChecked(shown);
    for (TPlayerPanel* panel : m_Players) {
        if (panel != nullptr) { // else they are made with it
            panel->SetHintsShown(shown);
        }
    }
}

void TFormVTX::ActionSubmitScoreExecute()
{
    m_Entry->Submit(BoardWindow() != nullptr && BoardWindow()->isActiveWindow());
}

void TFormVTX::ActionThrowExecute(const QAction* action)
{
    m_Entry->Throw(action->data().toInt());
}

void TFormVTX::ActionOutShotExecute(const QAction* action)
{
    m_Entry->OutShot(action->data().toInt());
}

void TFormVTX::ActionUndoThrowExecute()
{
    if (m_Notebook->currentIndex() != kPageDefault) {
        return;
    }
    if (m_Session.Check({TOperationKind::Undo}).Accepted()) {
        Apply({TOperationKind::Undo});
    } else if (m_Session.Check({TOperationKind::UndoNextLeg}).Accepted()) {
        // A leg with no turn yet: the Next Leg is taken back, so that a wrongly recorded
        // winning turn can still be put right.
        Apply({TOperationKind::UndoNextLeg});
        UpdateMatchDisplay();
    }
}

void TFormVTX::ActionToggleFocusExecute()
{
    if (m_HintWindow == nullptr) {
        return;
    }
    if (m_HintWindow->isActiveWindow()) {
        activateWindow();
        raise();
    } else if (m_HintWindow->isVisible()) {
        m_HintWindow->raise();
        m_HintWindow->activateWindow();
    }
}

void TFormVTX::ActionQuickShotHintsExecute()
{
    if (m_HintWindow == nullptr) {
        return;
    }
    if (m_HintWindow->isVisible()) {
        m_HintWindow->hide();
    } else {
        // Shown to be typed into: it takes the keyboard, as F4 gives it back.
        m_HintWindow->show();
        m_HintWindow->raise();
        m_HintWindow->activateWindow();
    }
    UpdateActions();
}

void TFormVTX::ActionStatsExecute()
{
    m_Notebook->setCurrentIndex(m_Notebook->currentIndex() == kPageStats ? kPageDefault
                                                                         : kPageStats);
    UpdateActions();
}

// Without a window manager nobody gives the focus back when another of the program's windows
// goes away: digits would still reach a Thrown box, but no shortcut and no Enter would.
void TFormVTX::GiveKeyboardBack()
{
    if (!isVisible()) {
        return;
    }
    activateWindow();
    if (m_Notebook->currentIndex() == kPageDefault) {
        m_Entry->FocusThrownBox();
    }
}

void TFormVTX::NotebookPageChanged(int page)
{
    if (page == kPageDefault) {
        m_Entry->FocusThrownBox();
    } else {
        m_StatsPage->Rebuild(m_Session.Match());
    }
    UpdateActions();
}

// ---------------------------------------------------------------------------------------------
// Match events

void TFormVTX::GameSheetChanged(CPlayerScores& sheet)
{
    if (&sheet.Leg() != m_Game.CurrentLeg()) {
        // A leg before the one in play was corrected: the panels show the leg in play, with
        // the match figures as they are now.
        if (CPlayerScores* shown = m_Game.CurrentLeg()->GetSheet(sheet.PlayerIndex())) {
            GameSheetChanged(*shown);
        }
        return;
    }
    const int player = sheet.PlayerIndex();
    if (m_Pages->ManySides()) {
        // Shown once the operation is done: a turn changes a sheet and passes the turn, and
        // the one panel and the cards are then brought up to date once.
        m_Sides->OnSheetChanged(player);
        return;
    }
    if (TPlayerPanel* panel = m_Pages->PanelOf(player)) {
        panel->ShowSheet(sheet, m_Game.GetPlayerStats(player));
        // Routes for the new remainder; a game that counts up has none.
        const TGameParams& params = m_Game.Params();
        if (!params.CountUp && params.CheckOutRule && sheet.LastEntry() != nullptr) {
            FillPlayerHints(sheet.LastEntry()->Remainder, player);
        }
    }
    UpdateActions();
}

void TFormVTX::OperationDone()
{
    m_Sides->Flush();
    UpdateActions();
    ShowDartsLines();
}

void TFormVTX::GameTurnChanged(CPlayerScores* sheet)
{
    if (sheet != nullptr && sheet->PlayerIndex() < m_Game.Params().PlayerCount) {
        SetActivePlayer(sheet->PlayerIndex());
    } else {
        SetActivePlayer(-1);
    }
    UpdateMatchDisplay();
    UpdateActions();
}

void TFormVTX::GameLegWon(CPlayerScores& sheet)
{
    SetActivePlayer(-1);
    UpdateMatchDisplay();
    const TGameParams& params = m_Game.Params();
    const int winner = sheet.PlayerIndex();
    const QString name = QString::fromStdString(m_Game.PlayerName(winner));
    // The deciding leg of a set starts the leg count again.
    const bool setWon =
        params.LegsToWin > 0 && params.SetsToWin > 0 && m_Game.LegsInSet(winner) == 0;
    m_Banner->ShowWinner(m_Game.MatchWinner() >= 0 ? tr("%1 wins the match")
                         : setWon                  ? tr("%1 wins the set")
                                                   : tr("%1 wins"),
                         name);
}

void TFormVTX::UpdateMatchDisplay()
{
    if (m_Game.CurrentLeg() == nullptr || TGamePanel::Draws(m_Session.Match())) {
        return; // the game panel says its own match's title and scores
    }
    m_PanelGameTitle->setText(MatchTitle(m_Session.Title(), m_Game));
    for (TPlayerPanel* panel : m_Pages->Panels()) {
        panel->ShowMatchScore(MatchScoreText(m_Game, panel->Player()));
    }
}

void TFormVTX::SetActivePlayer(int player)
{
    const std::vector<TPlayerPanel*> panels = m_Pages->Panels();
    for (TPlayerPanel* panel : panels) {
        panel->Thrown()->clear();
        panel->HideRefusal();
    }
    if (m_Pages->ManySides()) {
        m_Sides->TurnPassed(player);
    }
    // The new thrower's box takes the keyboard before the other box is disabled: a disabled
    // focus box would hand the focus on along the tab chain first (to the other score list or
    // a tool button), repainting them and updating the actions twice over.
    TPlayerPanel* active = player >= 0 ? m_Pages->PanelOf(player) : nullptr;
    // A pair's name bar names its thrower to come, which every turn and leg moves on.
    if (m_Game.Params().TeamSize == 2) {
        for (TPlayerPanel* panel : panels) {
            panel->SetName(SideBarName(m_Game, panel->Player()));
        }
    }
    if (active != nullptr) {
        active->SetActive(true);
    }
    if (player == -1 && m_Notebook->currentIndex() == kPageDefault &&
        m_PanelX01->isAncestorOf(QApplication::focusWidget())) {
        m_PanelX01->setFocus(); // not on to a score list, where Enter corrects a turn
    }
    for (TPlayerPanel* panel : panels) {
        if (panel != active) {
            panel->SetActive(false);
        }
    }
}

bool TFormVTX::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_HintWindow &&
        (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
        if (event->type() == QEvent::Hide && !event->spontaneous()) {
            GiveKeyboardBack();
        }
        UpdateActions();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFormVTX::closeEvent(QCloseEvent* event)
{
    emit Closing();
    QMainWindow::closeEvent(event);
}

void TFormVTX::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) {
        m_Notebook->setCurrentIndex(kPageDefault);
        SetActivePlayer(-1);
        UpdateActions();
    }
}

// ---------------------------------------------------------------------------------------------
// The room: the board and the caller follow the session; here they are switched on and off.

TCaller& TFormVTX::Caller() const
{
    return m_Calls->Caller();
}

TFormBoard* TFormVTX::BoardWindow() const
{
    return m_Room->BoardWindow();
}

TFormBoard& TFormVTX::Board()
{
    return m_Room->Board();
}

TBoardState TFormVTX::BoardState() const
{
    return m_Room->BoardState();
}

bool TFormVTX::CallerOn() const
{
    return m_Actions->ActionCaller->isChecked();
}

void TFormVTX::SetCallerOn(bool on)
{
    m_Actions->ActionCaller->setChecked(on);
    m_Calls->Caller().SetEnabled(on);
}

void TFormVTX::ActionCallerExecute()
{
    SetCallerOn(m_Actions->ActionCaller->isChecked());
    // Switched on during a match, the voice is made ready now rather than at the next turn.
    if (CallerOn() && m_Game.CurrentLeg() != nullptr) {
        m_Calls->Caller().Prepare();
    }
}

void TFormVTX::SetBoardShown(bool shown)
{
    m_Room->ShowBoard(shown);
    if (shown) {
        GiveKeyboardBack();
    }
}

void TFormVTX::ActionBoardExecute()
{
    SetBoardShown(m_Actions->ActionBoard->isChecked());
}
