#include "ui/main/RoomFollower.h"

#include "caller/Caller.h"
#include "caller/CallerPhrases.h"
#include "caller/GamesCallPhrases.h"
#include "games/Cricket.h"
#include "model/DartNotation.h"
#include "session/MatchSession.h"
#include "ui/board/BoardWindow.h"
#include "ui/common/WidgetHelpers.h"
#include "ui/hints/CheckoutTable.h"
#include "words/BoardState.h"
#include "words/GamesFormat.h"
#include "words/MatchFormat.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
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
    // The calls follow the language the program speaks.
    const QString language = QLocale().name().left(2);
    static const std::pair<const char16_t*, TCallLanguage> kLanguages[] = {
        {u"de", TCallLanguage::German},
        {u"nl", TCallLanguage::Dutch},
        {u"fr", TCallLanguage::French},
        {u"es", TCallLanguage::Spanish},
    };
    for (const auto& [code, callLanguage] : kLanguages) {
        if (language == code) {
            m_CallLanguage = callLanguage;
            m_Caller->SetLanguage(language);
        }
    }
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
    const auto route = [this](int remainder) {
        const std::vector<std::string> routes = m_CheckoutTable != nullptr
                                                    ? m_CheckoutTable->Hints(remainder)
                                                    : std::vector<std::string>{};
        return routes.empty() ? QString() : QString::fromStdString(routes.front());
    };
    return BoardStateOf(m_Session.Match(), m_Session.Title(), route, m_DartsPlayer, m_Darts);
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
    if (const CGamesMatch* games = m_Session.Games()) {
        const QString english = QString::fromStdString(GamesCallPhrase(*games, kind));
        m_Caller->Say(m_CallLanguage == TCallLanguage::English
                          ? english
                          : QString::fromStdString(GamesCallPhrase(*games, kind, m_CallLanguage)),
                      m_CallLanguage == TCallLanguage::English ? QString() : english);
        return;
    }
    const TCallEvent event =
        CallEventAfter(m_Session.Game(), kind, operation->Player, operation->Entry);
    if (m_CallLanguage == TCallLanguage::English) {
        m_Caller->Say(QString::fromStdString(CallPhrase(event)));
        return;
    }
    m_Caller->Say(QString::fromStdString(CallPhrase(event, m_CallLanguage)),
                  QString::fromStdString(CallPhrase(event)));
}
