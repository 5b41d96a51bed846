#include "games/HalveIt.h"

#include "games/GamesTexts.h"

#include <algorithm>

CHalveIt::CHalveIt(int32_t players, int32_t firstPlayer)
    : CDartsGame(players, firstPlayer), m_Sides(static_cast<size_t>(Players()))
{}

int32_t CHalveIt::Score(int32_t player) const
{
    return InRange(player, Players()) ? m_Sides[static_cast<size_t>(player)].Score : 0;
}

int32_t CHalveIt::RoundsThrown(int32_t player) const
{
    return InRange(player, Players()) ? m_Sides[static_cast<size_t>(player)].Rounds : 0;
}

int32_t CHalveIt::Halved(int32_t player) const
{
    return InRange(player, Players()) ? m_Sides[static_cast<size_t>(player)].Halved : 0;
}

int32_t CHalveIt::Target(int32_t player) const
{
    return PlayerDone(player) ? 0 : kTargets[static_cast<size_t>(RoundsThrown(player))];
}

bool CHalveIt::PlayerDone(int32_t player) const
{
    return RoundsThrown(player) >= kRounds;
}

bool CHalveIt::Over() const
{
    for (int32_t player = 0; player < Players(); ++player) {
        if (!PlayerDone(player)) {
            return false;
        }
    }
    return true;
}

int32_t CHalveIt::Winner() const
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

bool CHalveIt::OnTarget(int32_t target, const TDart& dart)
{
    switch (target) {
    case kAnyDouble:
        return dart.Multiplier == 2;
    case kAnyTreble:
        return dart.Multiplier == 3;
    default:
        return DartPoints(dart) > 0 && dart.Segment == target;
    }
}

std::string CHalveIt::TargetText(int32_t target)
{
    switch (target) {
    case kAnyDouble:
        return QT_TRANSLATE_NOOP("Games", "Any double");
    case kAnyTreble:
        return QT_TRANSLATE_NOOP("Games", "Any treble");
    case 25:
        return QT_TRANSLATE_NOOP("Games", "Bull");
    default:
        return std::to_string(target);
    }
}

void CHalveIt::Reset()
{
    std::fill(m_Sides.begin(), m_Sides.end(), TSide{});
}

bool CHalveIt::Play(int32_t player, const std::vector<TDart>& darts)
{
    TSide& side = m_Sides[static_cast<size_t>(player)];
    const int32_t target = kTargets[static_cast<size_t>(side.Rounds)];
    int32_t points = 0;
    bool hit = false;
    for (const TDart& dart : darts) {
        if (OnTarget(target, dart)) {
            points += DartPoints(dart);
            hit = true;
        }
    }
    if (hit) {
        side.Score += points;
    } else {
        side.Score /= 2;
        ++side.Halved;
    }
    ++side.Rounds;
    return false;
}

int32_t CHalveIt::TurnEnd(int32_t /*player*/, const std::vector<TDart>& /*darts*/) const
{
    return -1;
}

TGameTable CHalveIt::Table() const
{
    TGameTable table;
    table.RowLabels = {QT_TRANSLATE_NOOP("Games", "At"), QT_TRANSLATE_NOOP("Games", "Halved")};
    table.Cells.resize(2);
    for (int32_t player = 0; player < Players(); ++player) {
        table.Headlines.push_back(std::to_string(Score(player)));
        const int32_t target = Target(player);
        table.Cells[0].push_back(target == 0 ? std::string(QT_TRANSLATE_NOOP("Games", "Done"))
                                             : TargetText(target));
        table.Cells[1].push_back(std::to_string(Halved(player)));
    }
    return table;
}
