#include "words/BoardState.h"

#include "games/Cricket.h"
#include "games/GamesMatch.h"
#include "model/DartNotation.h"
#include "model/UnitVTXGameLogic.h"
#include "words/GamesFormat.h"
#include "words/MatchFormat.h"
#include "words/ShownText.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// The board of a match of cricket or a practice game: each side's headline figure (points,
// target, score, remainder) in the remainder's place, its last turn's darts, what it has still
// to do in the route's place.
TBoardState GamesBoardState(const QString& gameName, const CGamesMatch& match)
{
    TBoardState state;
    const QString ended = GamesEndLine(match);
    state.Title = ended.isEmpty() ? MatchTitle(gameName, match) : ended;
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
                              ? QCoreApplication::translate("BoardState", "No score")
                              : QString::fromStdString(DartsText(turns[turn].Darts, " · "));
            if (cricket != nullptr && !turns[turn].Darts.empty()) {
                // The marks first: they matter more in the room than the darts.
                const int marks = cricket->TurnMarks(static_cast<int32_t>(turn));
                shown.Darts =
                    (marks == 1
                         ? QCoreApplication::translate("BoardState", "1 mark: ")
                         : QCoreApplication::translate("BoardState", "%1 marks: ").arg(marks)) +
                    shown.Darts;
            }
            break;
        }
    }
    return state;
}

TBoardState X01BoardState(const CGame& game, const QString& title, const TRoutes& route,
                          int dartsSide, const QString& darts)
{
    TBoardState state;
    const CLeg* leg = game.CurrentLeg();
    if (leg == nullptr) {
        state.Title = QStringLiteral("Vantorix");
        return state;
    }
    const TGameParams& params = game.Params();
    // A won leg is said in the title line until the next leg starts.
    const QString won = WinLine(game);
    state.Title = won.isEmpty() ? MatchTitle(title, game) : won;
    state.PlayerCount = std::clamp(params.PlayerCount, 1, CGame::kMaxPlayers);
    state.MoreSides.resize(static_cast<size_t>(std::max(state.PlayerCount - 2, 0)));
    const bool inPlay = !leg->Finished() && game.MatchWinner() < 0;
    const int32_t legIndex = game.LegCount() - 1;
    for (int32_t player = 0; player < state.PlayerCount; ++player) {
        TBoardPlayer& shown = player < 2 ? state.Players[static_cast<size_t>(player)]
                                         : state.MoreSides[static_cast<size_t>(player - 2)];
        shown.Name = QString::fromStdString(game.PlayerName(player));
        shown.MatchScore =
            params.LegsToWin > 0
                ? MatchScoreText(game, player)
                : QCoreApplication::translate("BoardState", "Legs %1").arg(game.LegsInSet(player));
        const CPlayerScores* sheet = leg->GetSheet(player);
        if (sheet == nullptr || sheet->LastEntry() == nullptr) {
            continue;
        }
        const int32_t remainder = sheet->LastEntry()->Remainder;
        shown.Remainder = QString::number(remainder);
        if (sheet->EntryCount() > 1) {
            shown.LastTurn =
                QCoreApplication::translate("BoardState", "Last %1").arg(sheet->LastEntry()->Score);
        }
        shown.Throws = inPlay && leg->PlayerToThrow() == player;
        if (player == dartsSide) {
            shown.Darts = darts;
        } else if (const std::vector<TDart>* thrown = sheet->EntryDarts(sheet->EntryCount() - 1)) {
            shown.Darts = QString::fromStdString(DartsText(*thrown, " · "));
        }
        if (params.TeamSize == 2 && !sheet->Won()) {
            shown.Thrower = QString::fromStdString(
                game.ThrowerName(player, game.ThrowerFor(legIndex, sheet->EntryCount())));
        }
        if (inPlay && params.CheckOutRule && !params.CountUp && route && remainder >= 2 &&
            CGame::CheckOutDarts(remainder) > 0) {
            shown.Route = route(remainder);
        }
    }
    return state;
}

} // namespace

TBoardState BoardStateOf(const CMatch& match, const QString& title, const TRoutes& route,
                         int dartsSide, const QString& darts)
{
    // The board shows each kind's own figures: X01's remainders and routes, the other games'
    // headline figures and what each side has still to do.
    if (const auto* games = dynamic_cast<const CGamesMatch*>(&match)) {
        return GamesBoardState(title, *games);
    }
    return X01BoardState(static_cast<const CGame&>(match), title, route, dartsSide, darts);
}
