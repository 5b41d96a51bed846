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

// The board of a match of cricket or a practice game: each side's headline figure (points,
// target, score, remainder) in the remainder's place, its last turn's darts, what it has still
// to do in the route's place.
TBoardState GamesBoardState(const QString& gameName, const CGamesMatch& match)
{
    TBoardState state;
    const QString ended = GamesEndLine(match);
    state.Title = ended.isEmpty() ? GamesTitle(gameName, match) : ended;
    state.PlayerCount = std::clamp(match.Players(), 1, CGame::kMaxPlayers);
    state.MoreSides.resize(static_cast<size_t>(std::max(state.PlayerCount - 2, 0)));
    const CDartsGame& leg = match.CurrentLeg();
    const TGameTable table = leg.Table();
    const auto* cricket = dynamic_cast<const CCricketGame*>(&leg);
    const std::vector<TPlayedTurn>& turns = leg.Turns();
    for (int32_t player = 0; player < state.PlayerCount; ++player) {
        TBoardPlayer& shown = player < 2 ? state.Players[static_cast<size_t>(player)]
                                         : state.MoreSides[static_cast<size_t>(player - 2)];
        const auto side = static_cast<size_t>(player);
        shown.Name = GamesSideName(match, player);
        shown.MatchScore = GamesScoreText(match, player);
        shown.Remainder =
            side < table.Headlines.size() ? GamesText(table.Headlines[side]) : QString();
        shown.Throws = leg.PlayerToThrow() == player;
        shown.Route = GamesRouteText(match, player);
        if (match.Params().TeamSize == 2 && !leg.Over()) {
            shown.Thrower =
                QString::fromStdString(match.ThrowerName(player, match.ThrowerToThrow(player)));
        }
        for (size_t turn = turns.size(); turn-- > 0;) {
            if (turns[turn].Player != player) {
                continue;
            }
            shown.Darts = turns[turn].Darts.empty()
                              ? QCoreApplication::translate("TRoomFollower", "No score")
                              : QString::fromStdString(DartsText(turns[turn].Darts, " · "));
            if (cricket != nullptr && !turns[turn].Darts.empty()) {
                // The marks first: they matter more in the room than the darts.
                const int marks = cricket->TurnMarks(static_cast<int32_t>(turn));
                shown.Darts =
                    (marks == 1
                         ? QCoreApplication::translate("TRoomFollower", "1 mark: ")
                         : QCoreApplication::translate("TRoomFollower", "%1 marks: ").arg(marks)) +
                    shown.Darts;
            }
            break;
        }
    }
    return state;
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
    if (const CGamesMatch* games = m_Session.Games()) {
        return GamesBoardState(m_Session.Title(), *games);
    }
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
                               : QCoreApplication::translate("TRoomFollower", "Legs %1")
                                     .arg(game.LegsInSet(player));
        const CPlayerScores* sheet = leg->GetSheet(player);
        if (sheet == nullptr || sheet->LastEntry() == nullptr) {
            continue;
        }
        const int32_t remainder = sheet->LastEntry()->Remainder;
        shown.Remainder = QString::number(remainder);
        if (sheet->EntryCount() > 1) {
            shown.LastTurn = QCoreApplication::translate("TRoomFollower", "Last %1")
                                 .arg(sheet->LastEntry()->Score);
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
