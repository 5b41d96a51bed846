// What the scoreboard does for the room: the board on a screen that faces the players, and
// the caller's voice. Both follow the match from here; neither is made before it is wanted.

#include "BoardWindow.h"
#include "Caller.h"
#include "CallerPhrases.h"
#include "CheckoutTable.h"
#include "DigitEdit.h"
#include "MatchFormat.h"
#include "PlayerPanel.h"
#include "UnitMain.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

namespace {

TCallKind CallKind(TOperationKind kind)
{
    switch (kind) {
    case TOperationKind::Turn:
        return TCallKind::Turn;
    case TOperationKind::Undo:
    case TOperationKind::UndoNextLeg:
        return TCallKind::Undo;
    case TOperationKind::Correction:
        return TCallKind::Correction;
    case TOperationKind::NextLeg:
        return TCallKind::NextLeg;
    }
    return TCallKind::Turn;
}

} // namespace

bool TFormVTX::CallerOn() const
{
    return m_ActionCaller->isChecked();
}

void TFormVTX::SetCallerOn(bool on)
{
    m_ActionCaller->setChecked(on);
    m_Caller->SetEnabled(on);
}

void TFormVTX::ActionCallerExecute()
{
    SetCallerOn(m_ActionCaller->isChecked());
    // Switched on during a match, the voice is made ready now rather than at the next turn.
    if (CallerOn() && m_Game.CurrentLeg() != nullptr) {
        m_Caller->Prepare();
    }
}

TFormBoard& TFormVTX::Board()
{
    if (m_Board == nullptr) {
        // A window of its own (no parent): it may stand on another screen, full screen, and
        // closing it only hides it. The scoreboard deletes it as it goes.
        m_Board = new TFormBoard;
        // Closing the scoreboard ends the program even while the board is showing.
        m_Board->setAttribute(Qt::WA_QuitOnClose, false);
        // First shown on a screen other than the operator's, where there is one.
        const QScreen* own = screen();
        const QScreen* room = own;
        for (const QScreen* candidate : QGuiApplication::screens()) {
            if (candidate != own) {
                room = candidate;
                break;
            }
        }
        if (room != nullptr) {
            const QRect area = room->availableGeometry();
            m_Board->move(area.center() - m_Board->rect().center());
        }
        // Typing at the board is typing at the scoreboard: its shortcuts work there, digits
        // and Backspace go to the Thrown box of the player to throw.
        m_Board->addActions(actions());
        connect(m_Board, &TFormBoard::ScoreKey, this, &TFormVTX::TypeFromBoard);
        connect(m_Board, &TFormBoard::VisibilityChanged, m_ActionBoard, &QAction::setChecked);
    }
    return *m_Board;
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
    if (!shown) {
        if (m_Board != nullptr) {
            m_Board->hide();
        }
        return;
    }
    TFormBoard& board = Board();
    board.Show(BoardState());
    board.show();
    board.raise();
    GiveKeyboardBack();
}

void TFormVTX::ActionBoardExecute()
{
    SetBoardShown(m_ActionBoard->isChecked());
}

TBoardState TFormVTX::BoardState() const
{
    TBoardState state;
    const CLeg* leg = m_Game.CurrentLeg();
    if (leg == nullptr) {
        state.Title = QStringLiteral("Vantorix");
        return state;
    }
    const TGameParams& params = m_Game.Params();
    // A won leg is said in the title line until the next leg starts.
    const QString won = WinLine(m_Game);
    state.Title = won.isEmpty() ? MatchTitle(m_Session.Title(), m_Game) : won;
    state.PlayerCount = params.PlayerCount == 2 ? 2 : 1;
    const bool inPlay = !leg->Finished() && m_Game.MatchWinner() < 0;
    for (int32_t player = 0; player < state.PlayerCount; ++player) {
        TBoardPlayer& shown = state.Players[static_cast<size_t>(player)];
        shown.Name = QString::fromStdString(player == 1 ? params.Player2Name : params.Player1Name);
        shown.MatchScore = params.LegsToWin > 0
                               ? MatchScoreText(m_Game, player)
                               : QStringLiteral("Legs %1").arg(m_Game.LegsInSet(player));
        const CPlayerScores* sheet = leg->GetSheet(player);
        if (sheet == nullptr || sheet->LastEntry() == nullptr) {
            continue;
        }
        const int32_t remainder = sheet->LastEntry()->Remainder;
        shown.Remainder = QString::number(remainder);
        if (sheet->EntryCount() > 1) {
            shown.LastTurn = QStringLiteral("Last %1").arg(sheet->LastEntry()->Score);
        }
        shown.Throws = inPlay && leg->PlayerToThrow() == player;
        if (inPlay && params.CheckOutRule && !params.CountUp && m_CheckoutTable != nullptr &&
            remainder >= 2 && CGame::CheckOutDarts(remainder) > 0) {
            const std::vector<std::string> routes = m_CheckoutTable->Hints(remainder);
            if (!routes.empty()) {
                shown.Route = QString::fromStdString(routes.front());
            }
        }
    }
    return state;
}

void TFormVTX::FollowInRoom(const TMatchOperation* operation)
{
    if (m_Board != nullptr && m_Board->isVisible()) {
        m_Board->Show(BoardState());
    }
    if (!m_Caller->Enabled()) {
        return;
    }
    if (operation == nullptr) {
        m_Caller->Stop();
        m_Caller->Prepare();
        return;
    }
    if (operation->Leg >= 0) {
        return; // a leg before the one in play: nothing to call in the room
    }
    const TCallKind kind = CallKind(operation->Kind);
    if (kind == TCallKind::Undo) {
        m_Caller->Stop(); // the turn being called is gone
    }
    m_Caller->Say(QString::fromStdString(
        CallPhrase(CallEventAfter(m_Game, kind, operation->Player, operation->Entry))));
}
