#include "ui/board/BoardFollower.h"

#include "session/MatchSession.h"
#include "ui/board/BoardWindow.h"
#include "ui/hints/CheckoutTable.h"
#include "words/BoardState.h"

#include <QGuiApplication>
#include <QScreen>

TBoardFollower::TBoardFollower(const TMatchSession& session) : m_Session(session)
{
    connect(&session, &TMatchSession::MatchStarted, this, &TBoardFollower::OnMatchChanged);
    connect(&session, &TMatchSession::Resumed, this, &TBoardFollower::OnMatchChanged);
    connect(&session, &TMatchSession::OperationApplied, this, &TBoardFollower::OnMatchChanged);
}

TBoardFollower::~TBoardFollower()
{
    LendOperatorWindow(nullptr);
}

// Hidden as it goes, the board must not reach the operator window's actions.
void TBoardFollower::LendOperatorWindow(QWidget* window)
{
    if (window == nullptr && m_Board != nullptr) {
        m_Board->disconnect();
        delete m_Board;
    }
    m_OperatorWindow = window;
}

TFormBoard& TBoardFollower::Board()
{
    if (m_Board == nullptr) {
        // A window of its own (no parent): it may stand on another screen, full screen, and
        // closing it only hides it. Deleted with its follower.
        m_Board = new TFormBoard;
        // Closing the scoreboard ends the program even while the board is showing.
        m_Board->setAttribute(Qt::WA_QuitOnClose, false);
        // First shown on a screen other than the operator's, where there is one.
        const QScreen* own = m_OperatorWindow != nullptr ? m_OperatorWindow->screen() : nullptr;
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
        if (m_OperatorWindow != nullptr) {
            m_Board->addActions(m_OperatorWindow->actions());
        }
        connect(m_Board, &TFormBoard::ScoreKey, this, &TBoardFollower::ScoreKey);
        connect(m_Board, &TFormBoard::VisibilityChanged, this,
                &TBoardFollower::BoardVisibilityChanged);
    }
    return *m_Board;
}

void TBoardFollower::ShowBoard(bool shown)
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

TBoardState TBoardFollower::BoardState() const
{
    const auto route = [this](int remainder) {
        const std::vector<std::string> routes = m_CheckoutTable != nullptr
                                                    ? m_CheckoutTable->Hints(remainder)
                                                    : std::vector<std::string>{};
        return routes.empty() ? QString() : QString::fromStdString(routes.front());
    };
    return BoardStateOf(m_Session.Match(), m_Session.Title(), route, m_DartsPlayer, m_Darts);
}

void TBoardFollower::ShowDarts(int player, const QString& darts)
{
    m_DartsPlayer = darts.isEmpty() ? -1 : player;
    m_Darts = darts;
    if (m_Board != nullptr && m_Board->isVisible()) {
        m_Board->Show(BoardState());
    }
}

void TBoardFollower::OnMatchChanged()
{
    if (m_Board != nullptr && m_Board->isVisible()) {
        m_Board->Show(BoardState());
    }
}
