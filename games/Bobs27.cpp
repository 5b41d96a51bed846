#include "games/Bobs27.h"

#include "games/GamesTexts.h"
#include "model/DartNotation.h"

#include <algorithm>

namespace {

TDart DoubleOfRound(int32_t round)
{
    return {round >= CBobs27::kRounds - 1 ? 25 : round + 1, 2};
}

} // namespace

CBobs27::CBobs27(int32_t players, int32_t firstPlayer)
    : CDartsGame(players, firstPlayer), m_Sides(static_cast<size_t>(Players()))
{}

int32_t CBobs27::Score(int32_t player) const
{
    return InRange(player, Players()) ? m_Sides[static_cast<size_t>(player)].Score : 0;
}

int32_t CBobs27::Round(int32_t player) const
{
    return InRange(player, Players()) ? m_Sides[static_cast<size_t>(player)].Round : 0;
}

int32_t CBobs27::Hits(int32_t player) const
{
    return InRange(player, Players()) ? m_Sides[static_cast<size_t>(player)].Hits : 0;
}

TDart CBobs27::Target(int32_t player) const
{
    return DoubleOfRound(Round(player));
}

bool CBobs27::PlayerDone(int32_t player) const
{
    return Score(player) <= 0 || Round(player) >= kRounds;
}

bool CBobs27::Over() const
{
    for (int32_t player = 0; player < Players(); ++player) {
        if (!PlayerDone(player)) {
            return false;
        }
    }
    return true;
}

int32_t CBobs27::Winner() const
{
    if (!Over()) {
        return -1;
    }
    std::vector<int32_t> scores;
    for (int32_t player = 0; player < Players(); ++player) {
        scores.push_back(Score(player));
    }
    return SoleLeader(scores);
}

void CBobs27::Reset()
{
    std::fill(m_Sides.begin(), m_Sides.end(), TSide{});
}

bool CBobs27::Play(int32_t player, const std::vector<TDart>& darts)
{
    TSide& side = m_Sides[static_cast<size_t>(player)];
    const TDart target = DoubleOfRound(side.Round);
    const auto hits = static_cast<int32_t>(std::count(darts.begin(), darts.end(), target));
    side.Hits += hits;
    side.Score += hits > 0 ? hits * DartPoints(target) : -DartPoints(target);
    ++side.Round;
    return false;
}

int32_t CBobs27::TurnEnd(int32_t /*player*/, const std::vector<TDart>& /*darts*/) const
{
    return -1;
}

TGameTable CBobs27::Table() const
{
    TGameTable table;
    table.RowLabels = {QT_TRANSLATE_NOOP("Games", "At"), QT_TRANSLATE_NOOP("Games", "Hits")};
    table.Cells.resize(2);
    for (int32_t player = 0; player < Players(); ++player) {
        table.Headlines.push_back(std::to_string(Score(player)));
        table.Cells[0].push_back(PlayerDone(player)
                                     ? std::string(Score(player) <= 0
                                                       ? QT_TRANSLATE_NOOP("Games", "Out")
                                                       : QT_TRANSLATE_NOOP("Games", "Done"))
                                     : DartText(Target(player)));
        table.Cells[1].push_back(std::to_string(Hits(player)));
    }
    return table;
}
