#include "games/GamesMatch.h"

#include <algorithm>

CGamesMatch::CGamesMatch(TGameKind kind, const TGameParams& params) : m_Kind(kind), m_Params(params)
{
    m_Params.PlayerCount = std::clamp(m_Params.PlayerCount, 1, 8);
    StartLeg();
}

const CDartsGame* CGamesMatch::Leg(int32_t index) const
{
    return index >= 0 && index < LegCount() ? m_Legs[static_cast<size_t>(index)].get() : nullptr;
}

CGamesMatch::TTally CGamesMatch::Tally(int32_t legs) const
{
    TTally tally;
    const auto players = static_cast<size_t>(Players());
    tally.LegsInSet.assign(players, 0);
    tally.SetsWon.assign(players, 0);
    tally.LegsWon.assign(players, 0);
    for (int32_t index = 0; index < legs && tally.Winner < 0; ++index) {
        ++tally.LegInSet;
        const int32_t winner = m_Legs[static_cast<size_t>(index)]->Winner();
        if (winner < 0 || winner >= Players()) {
            continue;
        }
        const auto won = static_cast<size_t>(winner);
        ++tally.LegsWon[won];
        ++tally.LegsInSet[won];
        if (m_Params.LegsToWin <= 0 || tally.LegsInSet[won] < m_Params.LegsToWin) {
            continue;
        }
        if (m_Params.SetsToWin <= 0) {
            tally.Winner = winner;
            continue;
        }
        ++tally.SetsWon[won];
        std::fill(tally.LegsInSet.begin(), tally.LegsInSet.end(), 0);
        ++tally.SetIndex;
        tally.LegInSet = 0;
        if (tally.SetsWon[won] >= m_Params.SetsToWin) {
            tally.Winner = winner;
        }
    }
    return tally;
}

void CGamesMatch::StartLeg()
{
    const TTally tally = Tally(LegCount());
    const int32_t first = m_Params.FirstPlayer + tally.SetIndex + tally.LegInSet;
    m_Legs.push_back(MakeGame(m_Kind, Players(), ((first % Players()) + Players()) % Players()));
}

TTurnRefusal CGamesMatch::CheckTurn(const std::vector<TDart>& darts) const
{
    return CurrentLeg().CheckTurn(darts);
}

bool CGamesMatch::AddTurn(const std::vector<TDart>& darts)
{
    return m_Legs.back()->AddTurn(darts);
}

bool CGamesMatch::UndoTurn()
{
    return m_Legs.back()->UndoTurn();
}

bool CGamesMatch::NextLeg()
{
    if (MatchWinner() >= 0) {
        return false;
    }
    StartLeg();
    return true;
}

bool CGamesMatch::CanUndoNextLeg() const
{
    return LegCount() > 1 && CurrentLeg().TurnCount() == 0;
}

bool CGamesMatch::UndoNextLeg()
{
    if (!CanUndoNextLeg()) {
        return false;
    }
    m_Legs.pop_back();
    return true;
}

int32_t CGamesMatch::MatchWinner() const
{
    return Tally(LegCount()).Winner;
}

int32_t CGamesMatch::SetsWon(int32_t player) const
{
    return player >= 0 && player < Players()
               ? Tally(LegCount()).SetsWon[static_cast<size_t>(player)]
               : 0;
}

int32_t CGamesMatch::LegsInSet(int32_t player) const
{
    return player >= 0 && player < Players()
               ? Tally(LegCount()).LegsInSet[static_cast<size_t>(player)]
               : 0;
}

int32_t CGamesMatch::LegsWon(int32_t player) const
{
    return player >= 0 && player < Players()
               ? Tally(LegCount()).LegsWon[static_cast<size_t>(player)]
               : 0;
}

int32_t CGamesMatch::ThrowerToThrow(int32_t player) const
{
    return m_Params.TeamSize == 2 ? (LegCount() - 1 + CurrentLeg().TurnsOf(player)) % 2 : 0;
}

std::string CGamesMatch::ThrowerName(int32_t player, int32_t thrower) const
{
    const auto index = static_cast<size_t>(player) * 2 + static_cast<size_t>(thrower);
    if (m_Params.TeamSize == 2 && player >= 0 && (thrower == 0 || thrower == 1) &&
        index < m_Params.ThrowerNames.size()) {
        return m_Params.ThrowerNames[index];
    }
    return SideName(m_Params, player);
}
