#include "words/TurnFigures.h"

#include "games/Cricket.h"
#include "games/GamesMatch.h"
#include "model/UnitVTXGameLogic.h"

#include <numeric>

namespace {

std::optional<TTurnFigures> X01Turn(const CGame& game, int32_t side)
{
    const CLeg* leg = game.CurrentLeg();
    const CPlayerScores* sheet = leg != nullptr ? leg->GetSheet(side) : nullptr;
    // Row 0 is the sheet's opening entry, not a turn.
    if (sheet == nullptr || sheet->EntryCount() < 2) {
        return std::nullopt;
    }
    const int32_t row = sheet->EntryCount() - 1;
    const TurnEntry& entry = *sheet->LastEntry();
    TTurnFigures figures;
    if (const std::vector<TDart>* darts = sheet->EntryDarts(row)) {
        figures.Darts = *darts;
    }
    figures.Score = entry.Score;
    figures.Remainder = entry.Remainder;
    const int32_t points =
        std::accumulate(figures.Darts.begin(), figures.Darts.end(), 0,
                        [](int32_t sum, const TDart& dart) { return sum + DartPoints(dart); });
    figures.Bust = entry.Score == 0 && points > 0;
    figures.Checkout = leg->Finished() && game.LegWinner() == side && entry.Score > 0;
    return figures;
}

std::optional<TTurnFigures> GamesTurn(const CGamesMatch& match, int32_t side)
{
    const CDartsGame& leg = match.CurrentLeg();
    const std::vector<TPlayedTurn>& turns = leg.Turns();
    for (size_t turn = turns.size(); turn-- > 0;) {
        if (turns[turn].Player != side) {
            continue;
        }
        TTurnFigures figures;
        figures.Darts = turns[turn].Darts;
        if (const auto* cricket = dynamic_cast<const CCricketGame*>(&leg)) {
            figures.Marks = cricket->TurnMarks(static_cast<int32_t>(turn));
            figures.Score = cricket->TurnPoints(static_cast<int32_t>(turn));
        }
        const TGameTable table = leg.Table();
        if (static_cast<size_t>(side) < table.Headlines.size()) {
            figures.Figure = table.Headlines[static_cast<size_t>(side)];
        }
        return figures;
    }
    return std::nullopt;
}

} // namespace

std::optional<TTurnFigures> LastTurnFigures(const CMatch& match, int32_t side)
{
    if (const auto* games = dynamic_cast<const CGamesMatch*>(&match)) {
        return GamesTurn(*games, side);
    }
    if (const auto* game = dynamic_cast<const CGame*>(&match)) {
        return X01Turn(*game, side);
    }
    return std::nullopt;
}
