#include "UnitMain.h"

#include "BoardWindow.h"
#include "Caller.h"
#include "CheckoutTable.h"
#include "DigitEdit.h"
#include "LegCorrectionDialog.h"
#include "MatchFormat.h"
#include "NoticeBar.h"
#include "PlayerPanel.h"
#include "RoomFollower.h"
#include "StatsPage.h"
#include "UnitGameDlg.h"
#include "UnitHintDlg.h"
#include "WidgetHelpers.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QShowEvent>
#include <QStackedWidget>
#include <QTimer>
#include <cstdio>
#include <utility>

namespace {

constexpr int kPageDefault = 0;
constexpr int kPageStats = 1;

bool IsUserInput(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}

} // namespace

// Nothing may call back into the window once its own part is gone: deleting the child widgets
// moves the focus and fires focusChanged, and the match's legs outlive this body.
TFormVTX::~TFormVTX()
{
    disconnect(qApp, nullptr, this, nullptr);
    qApp->removeEventFilter(this);
    if (m_HintWindow != nullptr) {
        m_HintWindow->removeEventFilter(this);
    }
    disconnect(&m_Session, nullptr, this, nullptr);
    m_Room.reset();
}

void TFormVTX::SetHintWindow(TFormHint* window)
{
    m_HintWindow = window;
    if (window != nullptr) {
        window->SetCheckoutTable(m_CheckoutTable.get());
        // Its keys work from the hint window too: F4 comes back, Ctrl+H closes it.
        window->addAction(m_ActionToggleFocus);
        window->addAction(m_ActionQuickShotHints);
        window->installEventFilter(this);
    }
    UpdateActions();
}

bool TFormVTX::OpenCheckoutTable(const QString& path)
{
    m_Room->SetCheckoutTable(nullptr);
    m_CheckoutTable.reset();
    const QFileInfo file(path);
    QString problem;
    if (!file.exists()) {
        problem = QStringLiteral("was not found");
    } else if (!file.isFile()) {
        problem = QStringLiteral("is not a regular file");
    } else if (std::optional<CCheckoutTable> table =
                   CCheckoutTable::Open(QFile::encodeName(path).toStdString())) {
        m_CheckoutTable = std::make_unique<CCheckoutTable>(std::move(*table));
        m_Room->SetCheckoutTable(m_CheckoutTable.get());
    } else {
        problem = QStringLiteral("cannot be read");
    }
    if (!problem.isEmpty()) {
        ShowNotice(QStringLiteral("No checkout routes: %1 %2.").arg(path, problem));
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
    m_Players[player == 1 ? 1 : 0]->FillHints(m_CheckoutTable.get(), score);
}

bool TFormVTX::InputBlocked() const
{
    return m_BannerTimer->isActive();
}

// ---------------------------------------------------------------------------------------------
// Action states

CPlayerScores* TFormVTX::ThrowingSheet() const
{
    const CLeg* leg = m_Game.CurrentLeg();
    if (leg == nullptr || leg->Finished() || m_Notebook->currentIndex() != kPageDefault) {
        return nullptr;
    }
    CPlayerScores* sheet = leg->CurrentSheet();
    return sheet != nullptr && sheet->LastEntry() != nullptr ? sheet : nullptr;
}

void TFormVTX::UpdateActions()
{
    if (!ContentsBuilt()) {
        return; // nothing to act on yet; worked out when the contents are made
    }
    const CLeg* leg = m_Game.CurrentLeg();
    const bool onDefaultPage = m_Notebook->currentIndex() == kPageDefault;
    const TGameParams& params = m_Game.Params();
    // A finished leg takes no turn, so no turn can be offered until the next leg.
    const CPlayerScores* thrower = ThrowingSheet();
    const int32_t remainder = thrower != nullptr ? thrower->LastEntry()->Remainder : 0;

    m_ActionThrow->setEnabled(thrower != nullptr);
    for (QAction* action : m_ThrowActions) {
        const int score = action->data().toInt();
        action->setEnabled(thrower != nullptr && (params.CountUp || remainder - score > 1));
    }
    const int32_t needed =
        thrower != nullptr && !params.CountUp ? CGame::CheckOutDarts(remainder) : -1;
    for (QAction* action : m_OutShotActions) {
        action->setEnabled(needed > 0 && action->data().toInt() >= needed);
    }
    const CPlayerScores* current = leg != nullptr ? leg->CurrentSheet() : nullptr;
    m_ActionUndoThrow->setEnabled(
        onDefaultPage &&
        ((current != nullptr && current->CanUndoThrow()) || m_Game.CanUndoNextLeg()));
    m_ActionNextLeg->setEnabled(leg != nullptr && leg->Finished() && m_Game.MatchWinner() < 0);
    m_ActionStats->setEnabled(leg != nullptr);
    m_ActionStats->setChecked(m_Notebook->currentIndex() == kPageStats);
    const bool hintWindowShown = m_HintWindow != nullptr && m_HintWindow->isVisible();
    m_ActionQuickShotHints->setEnabled(m_HintWindow != nullptr);
    m_ActionQuickShotHints->setChecked(hintWindowShown);
    m_ActionToggleFocus->setEnabled(hintWindowShown);
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
                           const std::vector<TMatchOperation>& operations)
{
    const bool whole = m_Session.Resume(gameName, params, operations);
    m_Notebook->setCurrentIndex(kPageDefault);
    GiveKeyboardBack();
    return whole;
}

// A match started or put back: shown as it stands, with nobody's turns of an earlier one.
void TFormVTX::ShowMatch()
{
    const TGameParams& params = m_Game.Params();
    m_Players[0]->SetName(QString::fromStdString(params.Player1Name));
    m_Players[1]->SetName(QString::fromStdString(params.Player2Name));
    m_Players[1]->setVisible(params.PlayerCount == 2);
    const CLeg& leg = *m_Game.CurrentLeg();
    for (int player = 0; player < 2; ++player) {
        m_Players[static_cast<size_t>(player)]->Clear();
        if (CPlayerScores* sheet = leg.GetSheet(player)) {
            GameSheetChanged(*sheet);
        }
    }
    GameTurnChanged(leg.Finished() ? nullptr : leg.CurrentSheet());
}

void TFormVTX::ActionAboutExecute()
{
    QMessageBox::information(this, QStringLiteral("About"),
                             QStringLiteral("Vantorix\nVersion 1.06\n\nDarts scoreboard"));
    GiveKeyboardBack();
}

void TFormVTX::ActionExitExecute()
{
    close();
}

void TFormVTX::ActionNextLegExecute()
{
    const CLeg* leg = m_Game.CurrentLeg();
    if (leg == nullptr || !leg->Finished() || m_Game.MatchWinner() >= 0) {
        return;
    }
    Apply({TOperationKind::NextLeg});
}

void TFormVTX::ActionHintsExecute()
{
    SetHintsShown(m_ActionHints->isChecked());
}

bool TFormVTX::HintsShown() const
{
    return m_ActionHints->isChecked();
}

void TFormVTX::SetHintsShown(bool shown)
{
    m_ActionHints->setChecked(shown);
    for (TPlayerPanel* panel : m_Players) {
        if (panel != nullptr) { // else they are made with it
            panel->SetHintsShown(shown);
        }
    }
}

void TFormVTX::ActionSubmitScoreExecute()
{
    // On the statistics page Enter in the leg table opens the leg's corrections.
    if (m_Notebook->currentIndex() == kPageStats) {
        m_StatsPage->ChooseSelectedLeg();
        return;
    }
    for (int index = 0; index < 2; ++index) {
        TPlayerPanel& panel = *m_Players[static_cast<size_t>(index)];
        // Enter in a score list opens the correction of the selected turn; in the
        // correction box it applies it.
        if (panel.ActiveCorrection() != nullptr) {
            CommitCorrection(index);
            return;
        }
        if (panel.FocusedRow() >= 1 && m_Notebook->currentIndex() == kPageDefault) {
            panel.StartCorrection(panel.FocusedRow());
            return;
        }
    }
    int player = -1;
    for (int index = 0; index < 2 && player < 0; ++index) {
        const TDigitEdit* edit = m_Players[static_cast<size_t>(index)]->Thrown();
        if (edit->hasFocus() && !edit->text().isEmpty()) {
            player = index;
        }
    }
    // Enter at the board submits what was typed there into the thrower's box.
    if (const CPlayerScores* thrower = ThrowingSheet();
        player < 0 && thrower != nullptr && BoardWindow() != nullptr &&
        BoardWindow()->isActiveWindow() &&
        !m_Players[thrower->PlayerIndex() == 1 ? 1 : 0]->Thrown()->text().isEmpty()) {
        player = thrower->PlayerIndex() == 1 ? 1 : 0;
    }
    if (player < 0) {
        return;
    }
    bool isNumber = false;
    const int score = m_Players[static_cast<size_t>(player)]->Thrown()->text().toInt(&isNumber);
    CLeg* leg = m_Game.CurrentLeg();
    CPlayerScores* sheet = leg != nullptr ? leg->GetSheet(player) : nullptr;
    if (!isNumber || sheet == nullptr) {
        return;
    }
    // A refused turn leaves the typed text for the operator to correct, and says why.
    const TThrowCheck check = sheet->CheckThrow(score, 0);
    if (!check.Accepted()) {
        m_Players[static_cast<size_t>(player)]->ShowRefusal(RefusalText(check));
        return;
    }
    Apply({TOperationKind::Turn, player, 0, score, 0});
}

void TFormVTX::CommitCorrection(int player, int claimedDarts)
{
    TPlayerPanel& panel = *m_Players[static_cast<size_t>(player)];
    bool isNumber = false;
    const int score = panel.ActiveCorrection()->text().toInt(&isNumber);
    if (!isNumber) {
        return;
    }
    const QString refusal =
        Correct(m_Game.LegCount() - 1, player, panel.CorrectionRow(), score, claimedDarts);
    if (!refusal.isEmpty()) {
        panel.ShowRefusal(refusal);
    }
}

QString TFormVTX::Correct(int legIndex, int player, int row, int score, int claimedDarts)
{
    const CLeg* leg = m_Game.GetLeg(legIndex);
    const CPlayerScores* sheet = leg != nullptr ? leg->GetSheet(player) : nullptr;
    if (sheet == nullptr || sheet->GetEntry(row - 1) == nullptr) {
        return RefusalText({TRefusal::NoSuchTurn});
    }
    // A claimed checkout stays with the turn while the corrected score still finishes with
    // that many darts; otherwise the turn counts three darts, as a typed one does.
    const int32_t claim = sheet->ClaimedDarts(row);
    const int32_t before = sheet->GetEntry(row - 1)->Remainder;
    const bool finishes = !m_Game.Params().CountUp && before - score == m_Game.Params().TargetScore;
    const int32_t checkOutClass = CGame::CheckOutDarts(score);
    int32_t darts = finishes && checkOutClass > 0 && claim >= checkOutClass ? claim : 0;
    // Alt+1..3: the corrected score is a checkout with that many darts.
    if (claimedDarts > 0) {
        if (!finishes) {
            return QStringLiteral("%1 does not finish the %2 left").arg(score).arg(before);
        }
        darts = claimedDarts;
    }
    const TThrowCheck check = m_Game.CheckCorrectionInLeg(legIndex, player, row, score, darts);
    if (!check.Accepted()) {
        QString text = RefusalText(check);
        if (check.EntryIndex != row) {
            text += QStringLiteral(" (turn %1)").arg(check.EntryIndex);
        }
        return text;
    }
    const bool inPlay = legIndex == m_Game.LegCount() - 1;
    if (inPlay) {
        m_Players[static_cast<size_t>(player)]->EndCorrection();
        FocusThrownBox();
    }
    Apply({TOperationKind::Correction, player, row, score, darts, inPlay ? -1 : legIndex});
    return {};
}

void TFormVTX::CorrectLeg(int legIndex)
{
    if (m_Game.GetLeg(legIndex) == nullptr || InputBlocked()) {
        return;
    }
    TLegCorrectionDialog dialog(
        m_Game, legIndex,
        [this, legIndex](int player, int row, int score, int claimedDarts) {
            return Correct(legIndex, player, row, score, claimedDarts);
        },
        this);
    dialog.exec();
    m_StatsPage->Rebuild(m_Game);
    activateWindow();
}

void TFormVTX::ActionThrowExecute(const QAction* action)
{
    if (CPlayerScores* sheet = ThrowingSheet()) {
        Apply({TOperationKind::Turn, sheet->PlayerIndex(), 0, action->data().toInt(), 0});
    }
}

void TFormVTX::ActionOutShotExecute(const QAction* action)
{
    for (int index = 0; index < 2; ++index) {
        if (m_Players[static_cast<size_t>(index)]->ActiveCorrection() != nullptr) {
            CommitCorrection(index, action->data().toInt());
            return;
        }
    }
    if (CPlayerScores* sheet = ThrowingSheet()) {
        Apply({TOperationKind::Turn, sheet->PlayerIndex(), 0, CPlayerScores::kFinishingTurn,
               action->data().toInt()});
    }
}

void TFormVTX::CheckoutAsked(int player, int darts)
{
    TPlayerPanel& panel = *m_Players[static_cast<size_t>(player)];
    if (panel.ActiveCorrection() != nullptr) {
        CommitCorrection(player, darts);
        return;
    }
    // The checkout action was disabled: say why it cannot be made.
    CPlayerScores* sheet = ThrowingSheet();
    if (sheet == nullptr || sheet->PlayerIndex() != player) {
        return;
    }
    const TThrowCheck check = sheet->CheckThrow(CPlayerScores::kFinishingTurn, darts);
    if (!check.Accepted()) {
        panel.ShowRefusal(RefusalText(check));
    } else {
        Apply({TOperationKind::Turn, player, 0, CPlayerScores::kFinishingTurn, darts});
    }
}

void TFormVTX::ActionUndoThrowExecute()
{
    const CLeg* leg = m_Game.CurrentLeg();
    const CPlayerScores* sheet = leg != nullptr ? leg->CurrentSheet() : nullptr;
    if (m_Notebook->currentIndex() != kPageDefault) {
        return;
    }
    if (sheet != nullptr && sheet->CanUndoThrow()) {
        Apply({TOperationKind::Undo});
    } else if (m_Game.CanUndoNextLeg()) {
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

void TFormVTX::FocusThrownBox()
{
    for (TPlayerPanel* panel : m_Players) {
        if (panel->Thrown()->isEnabled()) {
            panel->Thrown()->setFocus();
            break;
        }
    }
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
        FocusThrownBox();
    }
}

void TFormVTX::NotebookPageChanged(int page)
{
    if (page == kPageDefault) {
        FocusThrownBox();
    } else {
        m_StatsPage->Rebuild(m_Game);
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
    const int player = sheet.PlayerIndex() == 1 ? 1 : 0;
    m_Players[static_cast<size_t>(player)]->ShowSheet(sheet, m_Game.GetPlayerStats(player));
    // Routes for the new remainder; a game that counts up has none.
    const TGameParams& params = m_Game.Params();
    if (!params.CountUp && params.CheckOutRule && sheet.LastEntry() != nullptr) {
        FillPlayerHints(sheet.LastEntry()->Remainder, sheet.PlayerIndex());
    }
    UpdateActions();
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
    const QString name =
        QString::fromStdString(winner == 1 ? params.Player2Name : params.Player1Name);
    // The deciding leg of a set starts the leg count again.
    const bool setWon =
        params.LegsToWin > 0 && params.SetsToWin > 0 && m_Game.LegsInSet(winner) == 0;
    // A long name is elided so that what was won stays readable in the banner.
    const QString won = m_Game.MatchWinner() >= 0 ? QStringLiteral(" wins the match")
                        : setWon                  ? QStringLiteral(" wins the set")
                                                  : QStringLiteral(" wins");
    const QFontMetrics metrics = m_PanelWinner->fontMetrics();
    const int room = m_PanelWinner->contentsRect().width() - metrics.horizontalAdvance(won) -
                     2 * metrics.averageCharWidth();
    ShowBanner(metrics.elidedText(name, Qt::ElideRight, std::max(room, 1)) + won);
}

void TFormVTX::UpdateMatchDisplay()
{
    if (m_Game.CurrentLeg() == nullptr) {
        return;
    }
    m_PanelGameTitle->setText(MatchTitle(m_Session.Title(), m_Game));
    for (int player = 0; player < 2; ++player) {
        m_Players[static_cast<size_t>(player)]->ShowMatchScore(MatchScoreText(m_Game, player));
    }
}

void TFormVTX::SetActivePlayer(int player)
{
    for (TPlayerPanel* panel : m_Players) {
        panel->Thrown()->clear();
        panel->HideRefusal();
    }
    // The new thrower's box takes the keyboard before the other box is disabled: a disabled
    // focus box would hand the focus on along the tab chain first (to the other score list or
    // a tool button), repainting them and updating the actions twice over.
    if (player == 0 || player == 1) {
        m_Players[static_cast<size_t>(player)]->SetActive(true);
    }
    if (player == -1 && m_Notebook->currentIndex() == kPageDefault &&
        m_PanelX01->isAncestorOf(QApplication::focusWidget())) {
        m_PanelX01->setFocus(); // not on to a score list, where Enter corrects a turn
    }
    if (player == 0 || player == -1) {
        m_Players[1]->SetActive(false);
    }
    if (player == 1 || player == -1) {
        m_Players[0]->SetActive(false);
    }
}

// ---------------------------------------------------------------------------------------------
// Winner banner: shown for a second, during which no key or mouse input reaches the program.
// The pause is a timer, so the window keeps painting and no event loop runs inside a match
// event.

void TFormVTX::ShowBanner(const QString& text)
{
    m_PanelWinner->setText(text);
    PlaceBanner();
    m_PanelWinner->show();
    m_PanelWinner->raise();
    qApp->installEventFilter(this);
    m_BannerTimer->start();
}

void TFormVTX::HideBanner()
{
    m_BannerTimer->stop();
    m_PanelWinner->hide();
    qApp->removeEventFilter(this);
    UpdateActions();
}

void TFormVTX::PlaceBanner()
{
    const QRect area = m_PanelX01->rect();
    m_PanelWinner->move(area.center() - m_PanelWinner->rect().center());
}

bool TFormVTX::eventFilter(QObject* watched, QEvent* event)
{
    if (InputBlocked() && IsUserInput(event)) {
        return true;
    }
    if (watched == m_HintWindow &&
        (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
        if (event->type() == QEvent::Hide && !event->spontaneous()) {
            GiveKeyboardBack();
        }
        UpdateActions();
    } else if (watched == m_PanelX01 && event->type() == QEvent::Resize) {
        PlaceBanner();
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
    return m_Room->Caller();
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
    return m_ActionCaller->isChecked();
}

void TFormVTX::SetCallerOn(bool on)
{
    m_ActionCaller->setChecked(on);
    m_Room->Caller().SetEnabled(on);
}

void TFormVTX::ActionCallerExecute()
{
    SetCallerOn(m_ActionCaller->isChecked());
    // Switched on during a match, the voice is made ready now rather than at the next turn.
    if (CallerOn() && m_Game.CurrentLeg() != nullptr) {
        m_Room->Caller().Prepare();
    }
}

void TFormVTX::TypeFromBoard(int key, const QString& text)
{
    if (const CPlayerScores* sheet = ThrowingSheet()) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(m_Players[sheet->PlayerIndex() == 1 ? 1 : 0]->Thrown(), &press);
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
    SetBoardShown(m_ActionBoard->isChecked());
}
