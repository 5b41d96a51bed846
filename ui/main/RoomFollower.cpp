#include "RoomFollower.h"

#include "BoardWindow.h"
#include "Caller.h"
#include "CallerPhrases.h"
#include "CheckoutTable.h"
#include "DartNotation.h"
#include "MatchFormat.h"
#include "MatchSession.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

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

TRoomFollower::TRoomFollower(const TMatchSession& session, QWidget& operatorWindow)
    : m_Session(session), m_OperatorWindow(operatorWindow)
{
    m_Caller = new TCaller(TCaller::DefaultProgram(), QString(), this);
    connect(&session, &TMatchSession::MatchStarted, this, [this] { Follow(nullptr); });
    connect(&session, &TMatchSession::Resumed, this, [this] { Follow(nullptr); });
    connect(&session, &TMatchSession::OperationApplied, this,
            [this](const TMatchOperation& operation) { Follow(&operation); });
}

// Hidden as it goes, the board must not reach the operator window's actions.
TRoomFollower::~TRoomFollower()
{
    if (m_Board != nullptr) {
        m_Board->disconnect();
        delete m_Board;
    }
}

TFormBoard& TRoomFollower::Board()
{
    if (m_Board == nullptr) {
        // A window of its own (no parent): it may stand on another screen, full screen, and
        // closing it only hides it. Deleted with its follower.
        m_Board = new TFormBoard;
        // Closing the scoreboard ends the program even while the board is showing.
        m_Board->setAttribute(Qt::WA_QuitOnClose, false);
        // First shown on a screen other than the operator's, where there is one.
        const QScreen* own = m_OperatorWindow.screen();
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
        m_Board->addActions(m_OperatorWindow.actions());
        connect(m_Board, &TFormBoard::ScoreKey, this, &TRoomFollower::ScoreKey);
        connect(m_Board, &TFormBoard::VisibilityChanged, this,
                &TRoomFollower::BoardVisibilityChanged);
    }
    return *m_Board;
}

void TRoomFollower::ShowBoard(bool shown)
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
}

TBoardState TRoomFollower::BoardState() const
{
    TBoardState state;
    const CGame& game = m_Session.Game();
    const CLeg* leg = game.CurrentLeg();
    if (leg == nullptr) {
        state.Title = QStringLiteral("Vantorix");
        return state;
    }
    const TGameParams& params = game.Params();
    // A won leg is said in the title line until the next leg starts.
    const QString won = WinLine(game);
    state.Title = won.isEmpty() ? MatchTitle(m_Session.Title(), game) : won;
    state.PlayerCount = std::clamp(params.PlayerCount, 1, CGame::kMaxPlayers);
    state.MoreSides.resize(static_cast<size_t>(std::max(state.PlayerCount - 2, 0)));
    const bool inPlay = !leg->Finished() && game.MatchWinner() < 0;
    const int32_t legIndex = game.LegCount() - 1;
    for (int32_t player = 0; player < state.PlayerCount; ++player) {
        TBoardPlayer& shown = player < 2 ? state.Players[static_cast<size_t>(player)]
                                         : state.MoreSides[static_cast<size_t>(player - 2)];
        shown.Name = QString::fromStdString(game.PlayerName(player));
        shown.MatchScore = params.LegsToWin > 0
                               ? MatchScoreText(game, player)
                               : QStringLiteral("Legs %1").arg(game.LegsInSet(player));
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
        if (player == m_DartsPlayer) {
            shown.Darts = m_Darts;
        } else if (const std::vector<TDart>* darts = sheet->EntryDarts(sheet->EntryCount() - 1)) {
            shown.Darts = QString::fromStdString(DartsText(*darts, " · "));
        }
        if (params.TeamSize == 2 && !sheet->Won()) {
            shown.Thrower = QString::fromStdString(
                game.ThrowerName(player, game.ThrowerFor(legIndex, sheet->EntryCount())));
        }
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

void TRoomFollower::ShowDarts(int player, const QString& darts)
{
    m_DartsPlayer = darts.isEmpty() ? -1 : player;
    m_Darts = darts;
    if (m_Board != nullptr && m_Board->isVisible()) {
        m_Board->Show(BoardState());
    }
}

void TRoomFollower::Follow(const TMatchOperation* operation)
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
        CallPhrase(CallEventAfter(m_Session.Game(), kind, operation->Player, operation->Entry))));
}
