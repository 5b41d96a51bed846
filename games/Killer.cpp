#include "games/Killer.h"

#include "games/GamesTexts.h"
#include "model/Random.h"

#include <algorithm>
#include <numeric>

CKiller::CKiller(int32_t players, uint64_t seed, int32_t firstPlayer)
    : CDartsGame(players, firstPlayer), m_Numbers(DrawNumbers(Players(), seed))
{
    Reset();
}

std::vector<int32_t> CKiller::DrawNumbers(int32_t players, uint64_t seed)
{
    std::vector<int32_t> numbers(20);
    std::iota(numbers.begin(), numbers.end(), 1);
    uint64_t state = seed;
    // Fisher-Yates, only as far as the numbers drawn.
    const auto drawn = static_cast<size_t>(std::clamp(players, 0, 20));
    for (size_t index = 0; index < drawn; ++index) {
        const size_t pick = index + static_cast<size_t>(SplitMix64(state) % (20U - index));
        std::swap(numbers[index], numbers[pick]);
    }
    numbers.resize(drawn);
    return numbers;
}

int32_t CKiller::Number(int32_t player) const
{
    return InRange(player, Players()) ? m_Sides[static_cast<size_t>(player)].Number : 0;
}

int32_t CKiller::Lives(int32_t player) const
{
    return InRange(player, Players()) ? m_Sides[static_cast<size_t>(player)].Lives : 0;
}

bool CKiller::IsKiller(int32_t player) const
{
    return InRange(player, Players()) && m_Sides[static_cast<size_t>(player)].Killer;
}

int32_t CKiller::LivesTaken(int32_t player) const
{
    return InRange(player, Players()) ? m_Sides[static_cast<size_t>(player)].Taken : 0;
}

bool CKiller::PlayerDone(int32_t player) const
{
    return Lives(player) <= 0;
}

int32_t CKiller::Alive(const std::vector<TSide>& sides)
{
    return static_cast<int32_t>(std::count_if(sides.begin(), sides.end(),
                                              [](const TSide& side) { return side.Lives > 0; }));
}

bool CKiller::Over() const
{
    return Alive(m_Sides) <= 1;
}

int32_t CKiller::Winner() const
{
    if (!Over()) {
        return -1;
    }
    for (int32_t player = 0; player < Players(); ++player) {
        if (Lives(player) > 0) {
            return player;
        }
    }
    return -1;
}

void CKiller::Reset()
{
    m_Sides.assign(static_cast<size_t>(Players()), TSide{});
    for (size_t side = 0; side < m_Sides.size(); ++side) {
        m_Sides[side].Number = m_Numbers[side];
    }
}

int32_t CKiller::Walk(std::vector<TSide>& sides, int32_t player, const std::vector<TDart>& darts)
{
    TSide& thrower = sides[static_cast<size_t>(player)];
    for (size_t index = 0; index < darts.size(); ++index) {
        const TDart& dart = darts[index];
        if (dart.Multiplier < 2 || dart.Segment < 1 || dart.Segment > 20) {
            continue;
        }
        if (!thrower.Killer) {
            thrower.Killer = dart.Segment == thrower.Number;
            continue;
        }
        for (TSide& hit : sides) {
            if (hit.Number == dart.Segment && hit.Lives > 0) {
                --hit.Lives;
                thrower.Taken += &hit != &thrower ? 1 : 0;
            }
        }
        if (thrower.Lives <= 0 || Alive(sides) <= 1) {
            return static_cast<int32_t>(index);
        }
    }
    return -1;
}

bool CKiller::Play(int32_t player, const std::vector<TDart>& darts)
{
    return Walk(m_Sides, player, darts) >= 0;
}

int32_t CKiller::TurnEnd(int32_t player, const std::vector<TDart>& darts) const
{
    std::vector<TSide> sides = m_Sides;
    return Walk(sides, player, darts);
}

TGameTable CKiller::Table() const
{
    TGameTable table;
    table.RowLabels = {QT_TRANSLATE_NOOP("Games", "Number"), QT_TRANSLATE_NOOP("Games", "Lives")};
    table.Cells.resize(2);
    for (int32_t player = 0; player < Players(); ++player) {
        table.Headlines.push_back(
            Lives(player) <= 0 ? std::string(QT_TRANSLATE_NOOP("Games", "Out"))
            : IsKiller(player) ? std::string(QT_TRANSLATE_NOOP("Games", "Killer"))
                               : std::to_string(Number(player)));
        table.Cells[0].push_back(std::to_string(Number(player)));
        table.Cells[1].push_back(std::to_string(Lives(player)));
    }
    return table;
}
