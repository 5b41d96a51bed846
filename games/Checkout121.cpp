#include "games/Checkout121.h"

#include "games/GamesTexts.h"

#include <algorithm>
#include <cstdio>

CCheckout121::CCheckout121(int32_t players, int32_t firstPlayer)
    : CDartsGame(players, firstPlayer), m_Sides(static_cast<size_t>(Players()))
{}

const CCheckout121::TSide* CCheckout121::Side(int32_t player) const
{
    return InRange(player, Players()) ? &m_Sides[static_cast<size_t>(player)] : nullptr;
}

int32_t CCheckout121::Target(int32_t player) const
{
    return Side(player) != nullptr ? Side(player)->Target : 0;
}

int32_t CCheckout121::Remainder(int32_t player) const
{
    return Side(player) != nullptr ? Side(player)->Remainder : 0;
}

int32_t CCheckout121::DartsLeft(int32_t player) const
{
    return Side(player) != nullptr ? kDartsPerTarget - Side(player)->DartsUsed : 0;
}

int32_t CCheckout121::Attempts(int32_t player) const
{
    return Side(player) != nullptr ? Side(player)->Attempts : 0;
}

int32_t CCheckout121::Checkouts(int32_t player) const
{
    return Side(player) != nullptr ? Side(player)->Checkouts : 0;
}

int32_t CCheckout121::BestTarget(int32_t player) const
{
    return Side(player) != nullptr ? Side(player)->Best : 0;
}

double CCheckout121::CheckoutRate(int32_t player) const
{
    const int32_t attempts = Attempts(player);
    return attempts > 0 ? 100.0 * Checkouts(player) / attempts : 0.0;
}

bool CCheckout121::PlayerDone(int32_t player) const
{
    return Attempts(player) >= kTargets;
}

bool CCheckout121::Over() const
{
    return std::all_of(m_Sides.begin(), m_Sides.end(),
                       [](const TSide& side) { return side.Attempts >= kTargets; });
}

int32_t CCheckout121::Winner() const
{
    if (!Over()) {
        return -1;
    }
    const auto better = [this](int32_t a, int32_t b) {
        return Checkouts(a) != Checkouts(b) ? Checkouts(a) > Checkouts(b)
                                            : BestTarget(a) > BestTarget(b);
    };
    int32_t best = 0;
    bool tied = false;
    for (int32_t player = 1; player < Players(); ++player) {
        if (better(player, best)) {
            best = player;
            tied = false;
        } else if (!better(best, player)) {
            tied = true;
        }
    }
    return tied ? -1 : best;
}

void CCheckout121::Reset()
{
    std::fill(m_Sides.begin(), m_Sides.end(), TSide{});
}

int32_t CCheckout121::AfterDart(int32_t remainder, const TDart& dart)
{
    const int32_t left = remainder - DartPoints(dart);
    if (left == 0 && IsDoubleDart(dart)) {
        return 0;
    }
    return left < 2 ? -1 : left;
}

bool CCheckout121::Play(int32_t player, const std::vector<TDart>& darts)
{
    TSide& side = m_Sides[static_cast<size_t>(player)];
    const int32_t atStart = side.Remainder;
    for (const TDart& dart : darts) {
        const int32_t left = AfterDart(side.Remainder, dart);
        if (left == 0) {
            side.Best = std::max(side.Best, side.Target);
            ++side.Checkouts;
            ++side.Attempts;
            ++side.Target;
            side.Remainder = side.Target;
            side.DartsUsed = 0;
            return true;
        }
        if (left < 0) {
            side.Remainder = atStart;
            break;
        }
        side.Remainder = left;
    }
    side.DartsUsed += 3;
    if (side.DartsUsed >= kDartsPerTarget) {
        ++side.Attempts;
        side.Target = std::max(kStart, side.Target - 1);
        side.Remainder = side.Target;
        side.DartsUsed = 0;
    }
    return false;
}

int32_t CCheckout121::TurnEnd(int32_t player, const std::vector<TDart>& darts) const
{
    int32_t remainder = Remainder(player);
    for (size_t index = 0; index < darts.size(); ++index) {
        remainder = AfterDart(remainder, darts[index]);
        if (remainder <= 0) {
            return static_cast<int32_t>(index);
        }
    }
    return -1;
}

TGameTable CCheckout121::Table() const
{
    TGameTable table;
    table.RowLabels = {
        QT_TRANSLATE_NOOP("Games", "Target"), QT_TRANSLATE_NOOP("Games", "Darts left"),
        QT_TRANSLATE_NOOP("Games", "Checkouts"), QT_TRANSLATE_NOOP("Games", "Checkout %"),
        QT_TRANSLATE_NOOP("Games", "Best")};
    table.Cells.resize(table.RowLabels.size());
    for (int32_t player = 0; player < Players(); ++player) {
        const bool done = PlayerDone(player);
        table.Headlines.push_back(done ? std::string(QT_TRANSLATE_NOOP("Games", "Done"))
                                       : std::to_string(Remainder(player)));
        table.Cells[0].push_back(done ? std::string("-") : std::to_string(Target(player)));
        table.Cells[1].push_back(done ? std::string("-") : std::to_string(DartsLeft(player)));
        table.Cells[2].push_back(std::to_string(Checkouts(player)) + " / " +
                                 std::to_string(Attempts(player)));
        char rate[16];
        std::snprintf(rate, sizeof rate, "%.1f", CheckoutRate(player));
        table.Cells[3].push_back(rate);
        table.Cells[4].push_back(BestTarget(player) > 0 ? std::to_string(BestTarget(player))
                                                        : std::string("-"));
    }
    return table;
}
