#include "room/RoomEvents.h"

#include "model/DartNotation.h"
#include "words/TurnFigures.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

QJsonArray DartsJson(const std::vector<TDart>& darts)
{
    QJsonArray texts;
    for (const TDart& dart : darts) {
        texts.append(QString::fromStdString(DartText(dart)));
    }
    return texts;
}

} // namespace

TRoomEvents::TRoomEvents(TMatchSession& session,
                         std::function<void(const QByteArray&, bool greeting)> send)
    : m_Session(session), m_Send(std::move(send))
{
    connect(&session, &TMatchSession::MatchStarted, this, &TRoomEvents::Greet);
    connect(&session, &TMatchSession::Resumed, this, &TRoomEvents::Greet);
    connect(&session, &TMatchSession::OperationApplied, this, &TRoomEvents::OnApplied);
    Tally();
}

void TRoomEvents::Send(QJsonObject event, bool greeting)
{
    m_Send(QJsonDocument(event).toJson(QJsonDocument::Compact), greeting);
}

QJsonObject TRoomEvents::SideEvent(const char* name, int side) const
{
    QJsonObject event;
    event.insert(QStringLiteral("event"), QLatin1String(name));
    event.insert(QStringLiteral("side"), side);
    event.insert(QStringLiteral("name"),
                 QString::fromStdString(m_Session.Match().PlayerName(side)));
    return event;
}

void TRoomEvents::Tally()
{
    const CMatch& match = m_Session.Match();
    const int32_t sides = match.LegCount() > 0 ? match.Sides() : 0;
    m_Legs.assign(static_cast<size_t>(sides), 0);
    m_Sets.assign(static_cast<size_t>(sides), 0);
    m_Throwers.assign(static_cast<size_t>(sides), QString());
    for (int32_t side = 0; side < sides; ++side) {
        m_Legs[static_cast<size_t>(side)] = match.LegsWon(side);
        m_Sets[static_cast<size_t>(side)] = match.SetsWon(side);
        m_Throwers[static_cast<size_t>(side)] =
            QString::fromStdString(match.ThrowerName(side, match.ThrowerToThrow(side)));
    }
    m_Winner = sides > 0 ? match.MatchWinner() : -1;
}

void TRoomEvents::Greet()
{
    const CMatch& match = m_Session.Match();
    if (match.LegCount() == 0) {
        return;
    }
    QJsonArray sides;
    for (int32_t side = 0; side < match.Sides(); ++side) {
        QJsonArray throwers;
        for (int32_t thrower = 0; thrower < std::max(match.Params().TeamSize, 1); ++thrower) {
            throwers.append(QString::fromStdString(match.ThrowerName(side, thrower)));
        }
        sides.append(
            QJsonObject{{QStringLiteral("name"), QString::fromStdString(match.PlayerName(side))},
                        {QStringLiteral("throwers"), throwers}});
    }
    Send({{QStringLiteral("event"), QStringLiteral("match")},
          {QStringLiteral("game"), m_Session.Title()},
          {QStringLiteral("sides"), sides},
          {QStringLiteral("legsToWin"), match.Params().LegsToWin},
          {QStringLiteral("setsToWin"), match.Params().SetsToWin}},
         true);
    Tally();
    SendToThrow();
}

void TRoomEvents::SendToThrow()
{
    const CMatch& match = m_Session.Match();
    const int32_t side = match.SideToThrow();
    if (match.LegCount() == 0 || side < 0 || match.LegOver()) {
        return;
    }
    QJsonObject event = SideEvent("to-throw", side);
    event.insert(QStringLiteral("thrower"),
                 QString::fromStdString(match.ThrowerName(side, match.ThrowerToThrow(side))));
    Send(event);
}

void TRoomEvents::Darts(int side, const std::vector<TDart>& darts)
{
    const CMatch& match = m_Session.Match();
    if (darts.empty() || match.LegCount() == 0 || side < 0 || side >= match.Sides()) {
        return;
    }
    QJsonObject event = SideEvent("dart", side);
    event.insert(QStringLiteral("thrower"),
                 QString::fromStdString(match.ThrowerName(side, match.ThrowerToThrow(side))));
    event.insert(QStringLiteral("dart"), QString::fromStdString(DartText(darts.back())));
    event.insert(QStringLiteral("darts"), DartsJson(darts));
    Send(event);
}

void TRoomEvents::OnApplied(const TMatchOperation& operation)
{
    const CMatch& match = m_Session.Match();
    const int32_t sides = match.Sides();
    if (static_cast<int32_t>(m_Legs.size()) != sides) {
        Tally();
    }
    if (operation.Kind == TOperationKind::Turn) {
        if (const std::optional<TTurnFigures> turn = LastTurnFigures(match, operation.Player)) {
            QJsonObject event = SideEvent("turn", operation.Player);
            event.insert(QStringLiteral("thrower"),
                         m_Throwers[static_cast<size_t>(operation.Player)]);
            event.insert(QStringLiteral("darts"), DartsJson(turn->Darts));
            if (turn->Score) {
                event.insert(QStringLiteral("score"), *turn->Score);
            }
            if (turn->Remainder) {
                event.insert(QStringLiteral("remainder"), *turn->Remainder);
                event.insert(QStringLiteral("bust"), turn->Bust);
            }
            if (turn->Marks) {
                event.insert(QStringLiteral("marks"), *turn->Marks);
            }
            if (!turn->Figure.empty()) {
                event.insert(QStringLiteral("figure"), QString::fromStdString(turn->Figure));
            }
            Send(event);
            if (turn->Checkout) {
                QJsonObject checkout = SideEvent("checkout", operation.Player);
                checkout.insert(QStringLiteral("score"), turn->Score.value_or(0));
                checkout.insert(QStringLiteral("darts"), DartsJson(turn->Darts));
                Send(checkout);
            }
        }
    } else if (operation.Kind == TOperationKind::Undo && match.SideToThrow() >= 0) {
        // The side whose turn was taken back: it throws again.
        Send(SideEvent("undo", match.SideToThrow()));
    }
    QJsonArray legs;
    QJsonArray sets;
    for (int32_t side = 0; side < sides; ++side) {
        legs.append(match.LegsWon(side));
        sets.append(match.SetsWon(side));
    }
    for (int32_t side = 0; side < sides; ++side) {
        const auto index = static_cast<size_t>(side);
        if (match.LegsWon(side) > m_Legs[index] || match.SetsWon(side) > m_Sets[index]) {
            QJsonObject leg = SideEvent("leg", side);
            leg.insert(QStringLiteral("legs"), legs);
            leg.insert(QStringLiteral("sets"), sets);
            Send(leg);
        }
        if (match.SetsWon(side) > m_Sets[index]) {
            QJsonObject set = SideEvent("set", side);
            set.insert(QStringLiteral("sets"), sets);
            Send(set);
        }
    }
    if (match.MatchWinner() >= 0 && m_Winner < 0) {
        Send(SideEvent("match-won", match.MatchWinner()));
    }
    Tally();
    SendToThrow();
}
