#include "games/AroundTheClock.h"

#include "games/GamesTexts.h"

#include <algorithm>

CAroundTheClock::CAroundTheClock(int32_t players, bool fast, int32_t firstPlayer)
    : CDartsGame(players, firstPlayer), m_Fast(fast), m_Progress(static_cast<size_t>(Players()), 0)
{}

int32_t CAroundTheClock::Progress(int32_t player) const
{
    return InRange(player, Players()) ? m_Progress[static_cast<size_t>(player)] : 0;
}

int32_t CAroundTheClock::Target(int32_t player) const
{
    const int32_t progress = Progress(player);
    return progress >= kDone ? 0 : progress == kDone - 1 ? 25 : progress + 1;
}

int32_t CAroundTheClock::Advance(int32_t progress, const TDart& dart) const
{
    const int32_t target = progress >= kDone ? 0 : progress == kDone - 1 ? 25 : progress + 1;
    if (target == 0 || dart.Segment != target) {
        return progress;
    }
    // The fast variant skips numbers, never the bull: it is hit to finish.
    if (target == 25) {
        return kDone;
    }
    return std::min(progress + (m_Fast ? dart.Multiplier : 1), kDone - 1);
}

bool CAroundTheClock::PlayerDone(int32_t player) const
{
    return Progress(player) >= kDone;
}

bool CAroundTheClock::Over() const
{
    return std::all_of(m_Progress.begin(), m_Progress.end(),
                       [](int32_t progress) { return progress >= kDone; });
}

int32_t CAroundTheClock::Winner() const
{
    if (!Over()) {
        return -1;
    }
    int32_t best = -1;
    bool tied = false;
    for (int32_t player = 0; player < Players(); ++player) {
        if (best < 0 || DartsThrown(player) < DartsThrown(best)) {
            best = player;
            tied = false;
        } else if (DartsThrown(player) == DartsThrown(best)) {
            tied = true;
        }
    }
    return tied ? -1 : best;
}

void CAroundTheClock::Reset()
{
    std::fill(m_Progress.begin(), m_Progress.end(), 0);
}

bool CAroundTheClock::Play(int32_t player, const std::vector<TDart>& darts)
{
    int32_t& progress = m_Progress[static_cast<size_t>(player)];
    for (const TDart& dart : darts) {
        progress = Advance(progress, dart);
    }
    return progress >= kDone;
}

int32_t CAroundTheClock::TurnEnd(int32_t player, const std::vector<TDart>& darts) const
{
    int32_t progress = Progress(player);
    for (size_t index = 0; index < darts.size(); ++index) {
        progress = Advance(progress, darts[index]);
        if (progress >= kDone) {
            return static_cast<int32_t>(index);
        }
    }
    return -1;
}

TGameTable CAroundTheClock::Table() const
{
    TGameTable table;
    table.RowLabels = {QT_TRANSLATE_NOOP("Games", "Darts")};
    table.Cells.resize(1);
    for (int32_t player = 0; player < Players(); ++player) {
        const int32_t target = Target(player);
        table.Headlines.push_back(target == 0    ? std::string(QT_TRANSLATE_NOOP("Games", "Done"))
                                  : target == 25 ? std::string(QT_TRANSLATE_NOOP("Games", "Bull"))
                                                 : std::to_string(target));
        table.Cells[0].push_back(std::to_string(DartsThrown(player)));
    }
    return table;
}
