#include "games/Shanghai.h"

#include "games/GamesTexts.h"

#include <algorithm>

CShanghai::CShanghai(int32_t players, int32_t rounds, int32_t firstPlayer)
    : CDartsGame(players, firstPlayer),
      m_Rounds(rounds == kLongRounds ? kLongRounds : kShortRounds),
      m_Sides(static_cast<size_t>(Players()))
{}

int32_t CShanghai::Score(int32_t player) const
{
    return InRange(player, Players()) ? m_Sides[static_cast<size_t>(player)].Score : 0;
}

int32_t CShanghai::RoundsThrown(int32_t player) const
{
    return InRange(player, Players()) ? m_Sides[static_cast<size_t>(player)].Rounds : 0;
}

int32_t CShanghai::Hits(int32_t player) const
{
    return InRange(player, Players()) ? m_Sides[static_cast<size_t>(player)].Hits : 0;
}

int32_t CShanghai::Target(int32_t player) const
{
    return PlayerDone(player) || Over() ? 0 : RoundsThrown(player) + 1;
}

bool CShanghai::PlayerDone(int32_t player) const
{
    return RoundsThrown(player) >= m_Rounds;
}

bool CShanghai::Over() const
{
    if (m_ShanghaiBy >= 0) {
        return true;
    }
    for (int32_t player = 0; player < Players(); ++player) {
        if (!PlayerDone(player)) {
            return false;
        }
    }
    return true;
}

int32_t CShanghai::Winner() const
{
    if (m_ShanghaiBy >= 0 || !Over()) {
        return m_ShanghaiBy;
    }
    std::vector<int32_t> scores;
    for (int32_t player = 0; player < Players(); ++player) {
        scores.push_back(Score(player));
    }
    return SoleLeader(scores);
}

int32_t CShanghai::ShanghaiAt(int32_t number, const std::vector<TDart>& darts)
{
    bool single = false;
    bool twice = false;
    bool thrice = false;
    for (size_t index = 0; index < darts.size(); ++index) {
        if (darts[index].Segment != number) {
            continue;
        }
        single = single || darts[index].Multiplier == 1;
        twice = twice || darts[index].Multiplier == 2;
        thrice = thrice || darts[index].Multiplier == 3;
        if (single && twice && thrice) {
            return static_cast<int32_t>(index);
        }
    }
    return -1;
}

void CShanghai::Reset()
{
    std::fill(m_Sides.begin(), m_Sides.end(), TSide{});
    m_ShanghaiBy = -1;
}

bool CShanghai::Play(int32_t player, const std::vector<TDart>& darts)
{
    TSide& side = m_Sides[static_cast<size_t>(player)];
    const int32_t number = side.Rounds + 1;
    for (const TDart& dart : darts) {
        if (dart.Segment == number) {
            side.Score += DartPoints(dart);
            ++side.Hits;
        }
    }
    ++side.Rounds;
    if (ShanghaiAt(number, darts) >= 0) {
        m_ShanghaiBy = player;
        return true;
    }
    return false;
}

int32_t CShanghai::TurnEnd(int32_t player, const std::vector<TDart>& darts) const
{
    return ShanghaiAt(RoundsThrown(player) + 1, darts);
}

TGameTable CShanghai::Table() const
{
    TGameTable table;
    table.RowLabels = {QT_TRANSLATE_NOOP("Games", "At")};
    table.Cells.resize(1);
    for (int32_t player = 0; player < Players(); ++player) {
        table.Headlines.push_back(std::to_string(Score(player)));
        const int32_t target = Target(player);
        table.Cells[0].push_back(m_ShanghaiBy == player
                                     ? std::string(QT_TRANSLATE_NOOP("Games", "Shanghai"))
                                 : target == 0 ? std::string(QT_TRANSLATE_NOOP("Games", "Done"))
                                               : std::to_string(target));
    }
    return table;
}
