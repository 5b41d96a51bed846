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

TBoardPlayer& Place(TBoardState& state, int32_t player)
{
    return player < 2 ? state.Players[static_cast<size_t>(player)]
                      : state.MoreSides[static_cast<size_t>(player - 2)];
}

// Cricket and the practice games: each side's headline figure (points, target, score,
// remainder) in the remainder's place, its last turn's darts, what it has still to do in the
// route's place.
void ShowGamesFigures(const CGamesMatch& match, TBoardState& state)
{
    const CDartsGame& leg = match.CurrentLeg();
    const TGameTable table = leg.Table();
    const auto* cricket = dynamic_cast<const CCricketGame*>(&leg);
    const std::vector<TPlayedTurn>& turns = leg.Turns();
    for (int32_t player = 0; player < state.PlayerCount; ++player) {
        TBoardPlayer& shown = Place(state, player);
        const auto side = static_cast<size_t>(player);
        shown.MatchScore = MatchScoreText(match, player);
        shown.Remainder =
            side < table.Headlines.size() ? GamesText(table.Headlines[side]) : QString();
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
}

// X01: each side's remainder, its last turn and darts (the computer's as they land), and the
// first route under a finishable remainder.
void ShowX01Figures(const CGame& game, TBoardState& state, const TRoutes& route, int dartsSide,
                    const QString& darts)
{
    const CLeg& leg = *game.CurrentLeg();
    const TGameParams& params = game.Params();
    const bool inPlay = game.SideToThrow() >= 0;
    for (int32_t player = 0; player < state.PlayerCount; ++player) {
        TBoardPlayer& shown = Place(state, player);
        shown.MatchScore =
            params.LegsToWin > 0
                ? MatchScoreText(game, player)
                : QCoreApplication::translate("BoardState", "Legs %1").arg(game.LegsInSet(player));
        const CPlayerScores* sheet = leg.GetSheet(player);
        if (sheet == nullptr || sheet->LastEntry() == nullptr) {
            continue;
        }
        const int32_t remainder = sheet->LastEntry()->Remainder;
        shown.Remainder = QString::number(remainder);
        if (sheet->EntryCount() > 1) {
            shown.LastTurn =
                QCoreApplication::translate("BoardState", "Last %1").arg(sheet->LastEntry()->Score);
        }
        if (player == dartsSide) {
            shown.Darts = darts;
        } else if (const std::vector<TDart>* thrown = sheet->EntryDarts(sheet->EntryCount() - 1)) {
            shown.Darts = QString::fromStdString(DartsText(*thrown, " · "));
        }
        if (params.TeamSize == 2 && !sheet->Won()) {
            shown.Thrower =
                QString::fromStdString(game.ThrowerName(player, game.ThrowerToThrow(player)));
        }
        if (inPlay && params.CheckOutRule && !params.CountUp && route && remainder >= 2 &&
            CGame::CheckOutDarts(remainder) > 0) {
            shown.Route = route(remainder);
        }
    }
}

} // namespace

TBoardState BoardStateOf(const CMatch& match, const QString& title, const TRoutes& route,
                         int dartsSide, const QString& darts)
{
    TBoardState state;
    if (match.LegCount() == 0) {
        state.Title = QStringLiteral("Vantorix");
        return state;
    }
    // A leg that has ended is said in the title line until the next leg starts.
    const QString won = WinLine(match);
    state.Title = won.isEmpty() ? MatchTitle(title, match) : won;
    state.PlayerCount = std::clamp(match.Sides(), 1, CGame::kMaxPlayers);
    state.MoreSides.resize(static_cast<size_t>(std::max(state.PlayerCount - 2, 0)));
    for (int32_t player = 0; player < state.PlayerCount; ++player) {
        TBoardPlayer& shown = Place(state, player);
        shown.Name = QString::fromStdString(match.PlayerName(player));
        shown.Throws = match.SideToThrow() == player;
    }
    // The figures are each kind's own: X01's remainders and routes, the other games' headline
    // figures and what each side has still to do.
    if (const auto* games = dynamic_cast<const CGamesMatch*>(&match)) {
        ShowGamesFigures(*games, state);
    } else {
        ShowX01Figures(static_cast<const CGame&>(match), state, route, dartsSide, darts);
    }
    return state;
}
