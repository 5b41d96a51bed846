#include "ui/entry/TypedEntry.h"

#include "model/DartNotation.h"
#include "session/MatchSession.h"
#include "ui/entry/DartPad.h"
#include "ui/entry/EntryPlaces.h"
#include "ui/entry/LegCorrectionDialog.h"
#include "ui/hints/DigitEdit.h"
#include "ui/panels/GamePanel.h"
#include "ui/panels/PlayerPanel.h"
#include "ui/stats/StatsPage.h"
#include "words/Refusals.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>

TTypedEntry::TTypedEntry(TMatchSession& session, TEntryPlaces& pages, QWidget& window)
    : m_Session(session), m_Pages(pages), m_Window(window)
{}

CPlayerScores* TTypedEntry::ThrowingSheet() const
{
    const CLeg* leg = m_Session.Game().CurrentLeg();
    if (leg == nullptr || leg->Finished() || !m_Pages.ShowsDefaultPage() ||
        TGamePanel::Draws(m_Session.Match())) {
        return nullptr;
    }
    CPlayerScores* sheet = leg->CurrentSheet();
    return sheet != nullptr && sheet->LastEntry() != nullptr ? sheet : nullptr;
}

void TTypedEntry::ShowPad(bool shown)
{
    if (m_PadWindow == nullptr && shown) {
        m_PadWindow = new QWidget(&m_Window, Qt::Tool | Qt::WindowDoesNotAcceptFocus);
        m_PadWindow->setObjectName(QStringLiteral("FormDartPad"));
        m_PadWindow->setWindowTitle(QCoreApplication::translate("TTypedEntry", "Dart Pad"));
        m_PadWindow->setAttribute(Qt::WA_ShowWithoutActivating);
        auto* pad = new TDartPad(m_PadWindow);
        auto* layout = new QVBoxLayout(m_PadWindow);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(pad);
        m_PadWindow->resize(pad->sizeHint());
        const auto thrower = [this]() -> TPlayerPanel* {
            const CPlayerScores* sheet = ThrowingSheet();
            return sheet != nullptr ? m_Pages.PanelOf(sheet->PlayerIndex()) : nullptr;
        };
        QObject::connect(pad, &TDartPad::DartChosen, pad, [this, thrower](const TDart& dart) {
            if (GamePanel() != nullptr) {
                GamePanel()->AppendDart(dart);
            } else if (TPlayerPanel* panel = thrower()) {
                panel->AppendDart(QString::fromStdString(DartText(dart)));
            }
        });
        QObject::connect(pad, &TDartPad::BackChosen, pad, [this, thrower] {
            if (GamePanel() != nullptr) {
                GamePanel()->RemoveLastDart();
            } else if (TPlayerPanel* panel = thrower()) {
                panel->RemoveLastDart();
            }
        });
        QObject::connect(pad, &TDartPad::EnterChosen, pad, [this] { Submit(true); });
        // Beside the scoreboard, on the side with room for it.
        const QRect frame = m_Window.frameGeometry();
        const QRect area = m_Window.screen() != nullptr ? m_Window.screen()->availableGeometry()
                                                        : QRect(frame.topRight(), frame.size());
        const int right = frame.right() + 1;
        m_PadWindow->move(right + m_PadWindow->width() <= area.right() + 1
                              ? right
                              : std::max(area.left(), frame.left() - m_PadWindow->width()),
                          frame.top());
    }
    if (m_PadWindow != nullptr && m_PadWindow->isVisible() != shown) {
        // The pad never takes the keyboard: where a platform activates a window it shows, the
        // scoreboard gets it back.
        const bool active = m_Window.isActiveWindow();
        m_PadWindow->setVisible(shown);
        if (active && !m_Window.isActiveWindow()) {
            m_Window.activateWindow();
        }
    }
}

TGamePanel* TTypedEntry::GamePanel() const
{
    return TGamePanel::Draws(m_Session.Match()) ? m_GamePanel : nullptr;
}

void TTypedEntry::Submit(bool atBoard)
{
    if (GamePanel() != nullptr && m_Pages.ShowsDefaultPage()) {
        GamePanel()->Submit();
        return;
    }
    // On the statistics page Enter in the leg table opens the leg's corrections.
    if (m_Pages.ShowsStatsPage()) {
        m_Pages.Stats()->ChooseSelectedLeg();
        return;
    }
    for (TPlayerPanel* shown : m_Pages.Panels()) {
        TPlayerPanel& panel = *shown;
        // Enter in a score list opens the correction of the selected turn; in the
        // correction box it applies it.
        if (panel.ActiveCorrection() != nullptr) {
            CommitCorrection(panel.Player());
            return;
        }
        if (panel.FocusedRow() >= 1 && m_Pages.ShowsDefaultPage()) {
            panel.StartCorrection(panel.FocusedRow());
            return;
        }
    }
    TPlayerPanel* typed = nullptr;
    for (TPlayerPanel* panel : m_Pages.Panels()) {
        const TDigitEdit* edit = panel->Thrown();
        if (typed == nullptr && edit->hasFocus() && !edit->text().isEmpty()) {
            typed = panel;
        }
    }
    // Enter at the board submits what was typed there into the thrower's box.
    if (const CPlayerScores* thrower = ThrowingSheet();
        typed == nullptr && thrower != nullptr && atBoard) {
        TPlayerPanel* panel = m_Pages.PanelOf(thrower->PlayerIndex());
        typed = panel != nullptr && !panel->Thrown()->text().isEmpty() ? panel : nullptr;
    }
    if (typed != nullptr) {
        SubmitPanel(*typed);
    }
}

void TTypedEntry::SubmitPanel(TPlayerPanel& panel)
{
    TPlayerPanel* typed = &panel;
    const int player = typed->Player();
    if (RefuseForComputer(player)) {
        return;
    }
    bool isNumber = false;
    const int score = typed->Thrown()->text().toInt(&isNumber);
    CLeg* leg = m_Session.Game().CurrentLeg();
    CPlayerScores* sheet = leg != nullptr ? leg->GetSheet(player) : nullptr;
    if (const std::optional<int32_t> left = ParseLeft(typed->Thrown()->text().toStdString());
        left && sheet != nullptr && sheet->LastEntry() != nullptr) {
        // What the turn leaves: entered as the score it stands for, refused as that score
        // would be, in words that name what was typed.
        const TLeftTurn turn =
            LeftTurn(sheet->LastEntry()->Remainder, *left, m_Session.Game().Params().CountUp,
                     [sheet](int32_t leftScore) { return sheet->CheckThrow(leftScore, 0); });
        if (!turn.Refusal.isEmpty()) {
            typed->ShowRefusal(turn.Refusal);
            return;
        }
        m_Session.Apply({TOperationKind::Turn, player, 0, turn.Score, 0});
        return;
    }
    if (sheet != nullptr && typed->Thrown()->DartsAllowed() &&
        LooksLikeDarts(typed->Thrown()->text().toStdString())) {
        // Darts as called: refused like a typed total, or when a word is no dart.
        TMatchOperation operation{TOperationKind::Turn, player};
        const QString shown = typed->TypedDarts(&operation.Thrown);
        const TThrowCheck check = m_Session.Check(operation);
        if (operation.Thrown.empty() || !check.Accepted()) {
            typed->ShowRefusal(operation.Thrown.empty() ? shown : RefusalText(check));
            return;
        }
        m_Session.Apply(operation);
        return;
    }
    if (!isNumber || sheet == nullptr) {
        return;
    }
    // A refused turn leaves the typed text for the operator to correct, and says why.
    const TThrowCheck check = sheet->CheckThrow(score, 0);
    if (!check.Accepted()) {
        typed->ShowRefusal(RefusalText(check));
        return;
    }
    m_Session.Apply({TOperationKind::Turn, player, 0, score, 0});
}

void TTypedEntry::ShowBoardDarts(int side, const std::vector<TDart>& before,
                                 const std::vector<TDart>& now)
{
    const QString shownBefore = QString::fromStdString(DartsText(before, " "));
    const QString shownNow = QString::fromStdString(DartsText(now, " "));
    const auto merged = [&](const QString& typed) {
        // The operator's edit stands; the board's new darts go after it.
        if (typed.trimmed() == shownBefore || now.size() < before.size() ||
            !std::equal(before.begin(), before.end(), now.begin())) {
            return shownNow;
        }
        const std::vector<TDart> added(now.begin() + static_cast<std::ptrdiff_t>(before.size()),
                                       now.end());
        const QString more = QString::fromStdString(DartsText(added, " "));
        return typed.trimmed().isEmpty() ? more : typed.trimmed() + u' ' + more;
    };
    if (TGamePanel* games = GamePanel()) {
        games->SetTypedDarts(merged(games->DartsEdit()->text()));
        return;
    }
    TPlayerPanel* panel = m_Pages.PanelOf(side);
    if (panel == nullptr) {
        return;
    }
    if (!panel->Thrown()->DartsAllowed()) {
        for (TPlayerPanel* each : m_Pages.Panels()) {
            each->SetDartsMode(true);
        }
    }
    panel->SetTypedDarts(merged(panel->Thrown()->text()));
}

void TTypedEntry::SubmitBoardDarts(int side)
{
    if (TGamePanel* games = GamePanel()) {
        if (!games->DartsEdit()->text().trimmed().isEmpty()) {
            games->Submit();
        }
        return;
    }
    if (TPlayerPanel* panel = m_Pages.PanelOf(side);
        panel != nullptr && !panel->Thrown()->text().trimmed().isEmpty()) {
        SubmitPanel(*panel);
    }
}

void TTypedEntry::CommitCorrection(int player, int claimedDarts)
{
    TPlayerPanel& panel = *m_Pages.PanelOf(player);
    if (const TDigitEdit* box = panel.ActiveCorrection();
        box->DartsAllowed() && LooksLikeDarts(box->text().toStdString()) &&
        !ParseLeft(box->text().toStdString())) {
        // The turn corrected to darts, in the leg in play.
        TMatchOperation operation{TOperationKind::Correction, player, panel.CorrectionRow()};
        std::string bad;
        const bool parsed = ParseDarts(box->text().toStdString(), operation.Thrown, &bad);
        const TThrowCheck check = m_Session.Check(operation);
        if (!parsed || operation.Thrown.empty() || !check.Accepted()) {
            panel.ShowRefusal(
                !parsed ? (bad.empty()
                               ? QCoreApplication::translate("TPlayerPanel",
                                                             "A turn has at most three darts")
                               : QCoreApplication::translate("TPlayerPanel", "\"%1\" is not a dart")
                                     .arg(QString::fromStdString(bad)))
                        : RefusalText(check));
            return;
        }
        panel.EndCorrection();
        FocusThrownBox();
        m_Session.Apply(operation);
        return;
    }
    const int legIndex = m_Session.Game().LegCount() - 1;
    const int row = panel.CorrectionRow();
    bool isNumber = false;
    int score = panel.ActiveCorrection()->text().toInt(&isNumber);
    if (const std::optional<int32_t> left =
            ParseLeft(panel.ActiveCorrection()->text().toStdString())) {
        // What the corrected turn leaves, from the total before it.
        const CLeg* leg = m_Session.Game().GetLeg(legIndex);
        const CPlayerScores* sheet = leg != nullptr ? leg->GetSheet(player) : nullptr;
        if (sheet == nullptr || sheet->GetEntry(row - 1) == nullptr) {
            return;
        }
        const TLeftTurn turn = LeftTurn(sheet->GetEntry(row - 1)->Remainder, *left,
                                        m_Session.Game().Params().CountUp, [&](int32_t leftScore) {
                                            return m_Session.Game().CheckCorrectionInLeg(
                                                legIndex, player, row, leftScore, 0);
                                        });
        if (!turn.Refusal.isEmpty()) {
            panel.ShowRefusal(turn.Refusal);
            return;
        }
        score = turn.Score;
        isNumber = true;
    }
    if (!isNumber) {
        return;
    }
    const QString refusal = Correct(legIndex, player, row, score, claimedDarts);
    if (!refusal.isEmpty()) {
        panel.ShowRefusal(refusal);
    }
}

QString TTypedEntry::Correct(int legIndex, int player, int row, int score, int claimedDarts)
{
    const CLeg* leg = m_Session.Game().GetLeg(legIndex);
    const CPlayerScores* sheet = leg != nullptr ? leg->GetSheet(player) : nullptr;
    if (sheet == nullptr || sheet->GetEntry(row - 1) == nullptr) {
        return RefusalText({TRefusal::NoSuchTurn});
    }
    // A claimed checkout stays with the turn while the corrected score still finishes with
    // that many darts; otherwise the turn counts three darts, as a typed one does.
    const int32_t claim = sheet->ClaimedDarts(row);
    const int32_t before = sheet->GetEntry(row - 1)->Remainder;
    const bool finishes = !m_Session.Game().Params().CountUp &&
                          before - score == m_Session.Game().Params().TargetScore;
    const int32_t checkOutClass = CGame::CheckOutDarts(score);
    int32_t darts = finishes && checkOutClass > 0 && claim >= checkOutClass ? claim : 0;
    // Alt+1..3: the corrected score is a checkout with that many darts.
    if (claimedDarts > 0) {
        if (!finishes) {
            return QCoreApplication::translate("TTypedEntry", "%1 does not finish the %2 left")
                .arg(score)
                .arg(before);
        }
        darts = claimedDarts;
    }
    const TThrowCheck check =
        m_Session.Game().CheckCorrectionInLeg(legIndex, player, row, score, darts);
    if (!check.Accepted()) {
        QString text = RefusalText(check);
        if (check.EntryIndex != row) {
            text += QCoreApplication::translate("TTypedEntry", " (turn %1)").arg(check.EntryIndex);
        }
        return text;
    }
    const bool inPlay = legIndex == m_Session.Game().LegCount() - 1;
    if (inPlay) {
        if (TPlayerPanel* panel = m_Pages.PanelOf(player)) {
            panel->EndCorrection();
        }
        FocusThrownBox();
    }
    m_Session.Apply(
        {TOperationKind::Correction, player, row, score, darts, inPlay ? -1 : legIndex});
    return {};
}

void TTypedEntry::CorrectLeg(int legIndex)
{
    if (m_Session.Game().GetLeg(legIndex) == nullptr || m_Pages.InputHeld()) {
        return;
    }
    TLegCorrectionDialog dialog(
        m_Session.Game(), legIndex,
        [this, legIndex](int player, int row, int score, int claimedDarts) {
            return Correct(legIndex, player, row, score, claimedDarts);
        },
        &m_Window);
    m_LegCorrectionOpen = true;
    dialog.exec();
    m_LegCorrectionOpen = false;
    m_Pages.Stats()->Rebuild(m_Session.Match());
    m_Window.activateWindow();
}

bool TTypedEntry::OperatorBusy() const
{
    if (m_LegCorrectionOpen) {
        return true;
    }
    const std::vector<TPlayerPanel*> panels = m_Pages.Panels();
    return std::any_of(panels.begin(), panels.end(), [](const TPlayerPanel* panel) {
        // A refused entry stays in the box to be read, but is no longer being typed.
        return panel->CorrectionOpen() ||
               (!panel->Thrown()->text().isEmpty() && panel->Refusal().isEmpty());
    });
}

bool TTypedEntry::RefuseForComputer(int player)
{
    if (!ComputerThrows || !ComputerThrows(player)) {
        return false;
    }
    if (TPlayerPanel* panel = m_Pages.PanelOf(player)) {
        // What was typed has no turn to go to: it goes, so that nothing waits on it.
        panel->Thrown()->clear();
        panel->ShowRefusal(
            QCoreApplication::translate("TTypedEntry",
                                        "%1 throws its own turns: Ctrl+P pauses it so you can "
                                        "type one")
                .arg(QString::fromStdString(m_Session.Game().PlayerName(player))));
    }
    return true;
}

void TTypedEntry::Throw(int score)
{
    if (CPlayerScores* sheet = ThrowingSheet();
        sheet != nullptr && !RefuseForComputer(sheet->PlayerIndex())) {
        m_Session.Apply({TOperationKind::Turn, sheet->PlayerIndex(), 0, score, 0});
    }
}

void TTypedEntry::OutShot(int darts)
{
    for (TPlayerPanel* panel : m_Pages.Panels()) {
        if (panel->ActiveCorrection() != nullptr) {
            CommitCorrection(panel->Player(), darts);
            return;
        }
    }
    if (CPlayerScores* sheet = ThrowingSheet();
        sheet != nullptr && !RefuseForComputer(sheet->PlayerIndex())) {
        m_Session.Apply(
            {TOperationKind::Turn, sheet->PlayerIndex(), 0, CPlayerScores::kFinishingTurn, darts});
    }
}

void TTypedEntry::CheckoutAsked(int player, int darts)
{
    TPlayerPanel* shown = m_Pages.PanelOf(player);
    if (shown == nullptr) {
        return;
    }
    TPlayerPanel& panel = *shown;
    if (panel.ActiveCorrection() != nullptr) {
        CommitCorrection(player, darts);
        return;
    }
    // The checkout action was disabled: say why it cannot be made.
    CPlayerScores* sheet = ThrowingSheet();
    if (sheet == nullptr || sheet->PlayerIndex() != player || RefuseForComputer(player)) {
        return;
    }
    const TThrowCheck check = sheet->CheckThrow(CPlayerScores::kFinishingTurn, darts);
    if (!check.Accepted()) {
        panel.ShowRefusal(RefusalText(check));
    } else {
        m_Session.Apply({TOperationKind::Turn, player, 0, CPlayerScores::kFinishingTurn, darts});
    }
}

void TTypedEntry::FocusThrownBox()
{
    if (GamePanel() != nullptr) {
        GamePanel()->DartsEdit()->setFocus();
        return;
    }
    if (BeforeFocus) {
        BeforeFocus();
    }
    for (TPlayerPanel* panel : m_Pages.Panels()) {
        if (panel->Thrown()->isEnabled()) {
            panel->Thrown()->setFocus();
            break;
        }
    }
}

void TTypedEntry::TypeFromBoard(int key, const QString& text)
{
    if (const CPlayerScores* sheet = ThrowingSheet()) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        if (TPlayerPanel* panel = m_Pages.PanelOf(sheet->PlayerIndex())) {
            QCoreApplication::sendEvent(panel->Thrown(), &press);
        }
    }
}
