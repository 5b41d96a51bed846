#include "room/RoomKeypad.h"

#include "model/UnitVTXGameLogic.h"
#include "room/RoomMessage.h"
#include "words/Refusals.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonObject SideJson(const TBoardPlayer& side)
{
    QJsonObject shown;
    shown.insert(QStringLiteral("name"), side.Name);
    shown.insert(QStringLiteral("thrower"), side.Thrower);
    shown.insert(QStringLiteral("remainder"), side.Remainder);
    shown.insert(QStringLiteral("score"), side.MatchScore);
    shown.insert(QStringLiteral("last"), side.LastTurn);
    shown.insert(QStringLiteral("darts"), side.Darts);
    shown.insert(QStringLiteral("route"), side.Route);
    shown.insert(QStringLiteral("throws"), side.Throws);
    return shown;
}

} // namespace

TRoomKeypad::TRoomKeypad(TMatchSession& session, std::function<TBoardState()> board,
                         std::function<bool()> ready)
    : m_Session(session), m_Board(std::move(board)), m_Ready(std::move(ready))
{
    // Every change of the match is a new version of the state the pages are sent.
    connect(&session, &TMatchSession::MatchStarted, this, [this] { ++m_Version; });
    connect(&session, &TMatchSession::Resumed, this, [this] { ++m_Version; });
    connect(&session, &TMatchSession::OperationApplied, this, [this] { ++m_Version; });
}

QByteArray TRoomKeypad::StateJson(int64_t request) const
{
    const TBoardState board = m_Board();
    QJsonObject state;
    state.insert(QStringLiteral("type"), QStringLiteral("state"));
    state.insert(QStringLiteral("request"), static_cast<qint64>(request));
    state.insert(QStringLiteral("version"), static_cast<qint64>(m_Version));
    state.insert(QStringLiteral("title"), board.Title);
    QJsonArray sides;
    QJsonObject keypad;
    keypad.insert(QStringLiteral("side"), QString());
    for (int side = 0; side < board.PlayerCount; ++side) {
        const TBoardPlayer& shown = board.Side(side);
        sides.append(SideJson(shown));
        if (shown.Throws) {
            keypad.insert(QStringLiteral("side"), shown.Name);
            keypad.insert(QStringLiteral("thrower"), shown.Thrower);
            keypad.insert(QStringLiteral("remainder"), shown.Remainder);
        }
    }
    state.insert(QStringLiteral("sides"), sides);
    if (!m_Competition.isEmpty()) {
        state.insert(QStringLiteral("competition"), m_Competition);
    }
    const TMatchSession& session = m_Session;
    bool legOver = false;
    bool matchOver = false;
    bool darts = false;
    QString note;
    const CMatch& match = session.Match();
    if (match.LegCount() > 0) {
        darts = !match.TakesTotals() || match.Params().EnterDarts;
        legOver = match.LegOver();
        matchOver = match.MatchWinner() >= 0;
        const int32_t toThrow = match.SideToThrow();
        if (!legOver && toThrow >= 0 && ComputerAverage(match.Params(), toThrow) > 0) {
            note = tr("The computer throws for %1")
                       .arg(keypad.value(QStringLiteral("side")).toString());
        }
    }
    if (legOver) {
        note = board.Title;
    }
    keypad.insert(QStringLiteral("darts"), darts);
    keypad.insert(QStringLiteral("legOver"), legOver);
    keypad.insert(QStringLiteral("matchOver"), matchOver);
    keypad.insert(QStringLiteral("note"), note);
    state.insert(QStringLiteral("keypad"), keypad);
    return QJsonDocument(state).toJson(QJsonDocument::Compact);
}

TRoomReply TRoomKeypad::Submit(const QByteArray& message)
{
    TRoomReply reply;
    const std::optional<TRoomRequest> request = ParseRoomRequest(message, reply.Error);
    if (!request) {
        return reply;
    }
    reply.Id = request->Id;
    const auto refuse = [&reply](const QString& text) {
        reply.Refusal = text;
        return reply;
    };
    TMatchSession& session = m_Session;
    const CMatch& match = session.Match();
    if (!m_Ready() || match.LegCount() == 0) {
        return refuse(tr("No match is in play"));
    }
    // A request is taken only against the state it was typed on: a second phone, or Enter
    // tapped twice, never lands on the side that throws after.
    if (request->For < 0) {
        return refuse(tr("This keypad page is out of date: load it again"));
    }
    if (request->For != m_Version) {
        QString toThrow;
        const TBoardState board = m_Board();
        for (int side = 0; side < board.PlayerCount; ++side) {
            if (board.Side(side).Throws) {
                toThrow = board.Side(side).Name;
            }
        }
        return refuse(toThrow.isEmpty()
                          ? tr("The match has moved on since this was typed")
                          : tr("The match has moved on since this was typed: %1 is to throw now")
                                .arg(toThrow));
    }
    const auto apply = [&](const TMatchOperation& operation) {
        // The states published while this request is applied carry its id.
        m_Request = request->Id;
        reply.Applied = session.Apply(operation);
        m_Request = -1;
        return reply;
    };
    switch (request->Kind) {
    case TRoomRequestKind::Undo:
        if (session.Check({TOperationKind::Undo}).Accepted()) {
            return apply({TOperationKind::Undo});
        }
        if (session.Check({TOperationKind::UndoNextLeg}).Accepted()) {
            return apply({TOperationKind::UndoNextLeg});
        }
        return refuse(RefusalText({TRefusal::NothingToUndo}));
    case TRoomRequestKind::NextLeg:
        // From a keypad the next leg follows a leg that is over, never one in play.
        if (!match.LegOver()) {
            return refuse(tr("The leg is not over"));
        }
        if (const TThrowCheck check = session.Check({TOperationKind::NextLeg}); !check.Accepted()) {
            return refuse(RefusalText(check, match.Kind()));
        }
        return apply({TOperationKind::NextLeg});
    case TRoomRequestKind::Turn:
    case TRoomRequestKind::Checkout:
    case TRoomRequestKind::Left:
        if (!match.TakesTotals()) {
            return refuse(tr("This game is entered dart by dart"));
        }
        break;
    case TRoomRequestKind::Darts:
        break;
    }
    const int32_t player = match.SideToThrow();
    if (player < 0) { // the leg is over: the match says so in its own words
        return refuse(RefusalText(session.Check({TOperationKind::Turn, player}), match.Kind()));
    }
    if (ComputerAverage(match.Params(), player) > 0) {
        return refuse(tr("The computer throws this turn"));
    }
    TMatchOperation operation{TOperationKind::Turn, player};
    if (request->Kind == TRoomRequestKind::Darts) {
        operation.Thrown = request->Darts;
        operation.Darts = static_cast<int32_t>(request->Darts.size());
    } else if (request->Kind == TRoomRequestKind::Checkout) {
        const CPlayerScores* sheet = session.Game().CurrentLeg()->GetSheet(player);
        const int32_t remainder = sheet->LastEntry()->Remainder;
        const int32_t left = remainder - match.Params().TargetScore;
        if (match.Params().CountUp || request->Score != left) {
            return refuse(tr("%1 does not finish the %2 left").arg(request->Score).arg(remainder));
        }
        operation.Score = CPlayerScores::kFinishingTurn;
        operation.Darts = request->CheckoutDarts;
    } else if (request->Kind == TRoomRequestKind::Left) {
        const CPlayerScores* sheet = session.Game().CurrentLeg()->GetSheet(player);
        const TLeftTurn turn =
            LeftTurn(sheet->LastEntry()->Remainder, request->Left, match.Params().CountUp,
                     [&](int32_t score) {
                         return session.Check({TOperationKind::Turn, player, 0, score, 0});
                     });
        if (!turn.Refusal.isEmpty()) {
            return refuse(turn.Refusal);
        }
        operation.Score = turn.Score;
    } else {
        operation.Score = request->Score;
    }
    if (const TThrowCheck check = session.Check(operation); !check.Accepted()) {
        return refuse(RefusalText(check, match.Kind()));
    }
    return apply(operation);
}
