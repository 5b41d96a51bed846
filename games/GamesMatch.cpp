#include "games/GamesMatch.h"

#include "model/DartNotation.h"

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

TMatchTally CGamesMatch::Tally(int32_t legs) const
{
    TMatchTally tally(Players());
    for (int32_t index = 0; index < legs && tally.Winner < 0; ++index) {
        tally.Fold(m_Legs[static_cast<size_t>(index)]->Winner(), m_Params.LegsToWin,
                   m_Params.SetsToWin);
    }
    return tally;
}

void CGamesMatch::StartLeg()
{
    const TMatchTally tally = Tally(LegCount());
    const int32_t first = m_Params.FirstPlayer + tally.SetIndex + tally.LegInSet;
    m_Legs.push_back(MakeLeg(LegCount(), ((first % Players()) + Players()) % Players()));
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
    return TMatchTally::Of(Tally(LegCount()).SetsWon, player);
}

int32_t CGamesMatch::LegsInSet(int32_t player) const
{
    return TMatchTally::Of(Tally(LegCount()).LegsInSet, player);
}

int32_t CGamesMatch::LegsWon(int32_t player) const
{
    return TMatchTally::Of(Tally(LegCount()).LegsWon, player);
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

std::string CGamesMatch::PlayerName(int32_t player) const
{
    return SideName(m_Params, player);
}

TThrowCheck CGamesMatch::Check(const TMatchOperation& operation) const
{
    switch (operation.Kind) {
    case TOperationKind::Turn:
        if (operation.Player != CurrentLeg().PlayerToThrow()) {
            return {CurrentLeg().Over() ? TRefusal::GameOver : TRefusal::NotTheirTurn};
        }
        // A games turn is kept as it came: its darts decide it, its total and claim are as given.
        return {CheckTurn(operation.Thrown), operation.Score, operation.Darts};
    case TOperationKind::Undo:
        return {CurrentLeg().TurnCount() > 0 ? TRefusal::None : TRefusal::NothingToUndo};
    case TOperationKind::NextLeg:
        return {MatchWinner() < 0 ? TRefusal::None : TRefusal::MatchOver};
    case TOperationKind::UndoNextLeg:
        return {CanUndoNextLeg() ? TRefusal::None : TRefusal::NextLegUnderway};
    case TOperationKind::Correction:
        break;
    }
    // A turn of these games is put right by undoing it and playing it again.
    return {TRefusal::NoCorrection};
}

// A turn of the side to throw (its darts; none: three misses), an undo of the leg's last turn,
// the next leg or its undo.
bool CGamesMatch::Apply(const TMatchOperation& operation)
{
    switch (operation.Kind) {
    case TOperationKind::Turn:
        return operation.Player == CurrentLeg().PlayerToThrow() && AddTurn(operation.Thrown);
    case TOperationKind::Undo:
        return UndoTurn();
    case TOperationKind::NextLeg:
        return NextLeg();
    case TOperationKind::UndoNextLeg:
        return UndoNextLeg();
    case TOperationKind::Correction:
        break;
    }
    return false;
}

TPlayerStats CGamesMatch::SideFigures(int32_t player) const
{
    TPlayerStats stats;
    stats.LegsWon = LegsWon(player);
    for (const auto& leg : m_Legs) {
        stats.DartsThrown += leg->DartsThrown(player);
    }
    return stats;
}

std::unique_ptr<CDartsGame> CGamesMatch::MakeLeg(int32_t index, int32_t firstPlayer) const
{
    // Each leg its own draw, the same every time the match is put back.
    const uint64_t seed =
        m_Params.ComputerSeed + uint64_t{0x9E3779B97F4A7C15} * static_cast<uint64_t>(index);
    return MakeGame(m_Kind, Players(), firstPlayer, seed);
}

// One row a turn in the order thrown, its darts as called ("T20 T20 19"; none: three misses)
// and the side's headline figure right after it (points, the number to hit, ...): each leg is
// played again from its first thrower to read the figure as it stood.
TTurnSheet CGamesMatch::TurnSheet() const
{
    TTurnSheet sheet{
        {"Leg", "Player", "Turn", "Darts", "After"}, {false, true, false, false, false}, {}};
    for (int32_t index = 0; index < LegCount(); ++index) {
        const CDartsGame& leg = *m_Legs[static_cast<size_t>(index)];
        const std::unique_ptr<CDartsGame> again = MakeLeg(index, leg.FirstPlayer());
        for (const TPlayedTurn& turn : leg.Turns()) {
            if (!again->AddTurn(turn.Darts)) {
                break; // cannot be: these darts were taken in this order
            }
            const std::vector<std::string> headlines = again->Table().Headlines;
            const auto side = static_cast<size_t>(turn.Player);
            sheet.Rows.push_back({std::to_string(index + 1), PlayerName(turn.Player),
                                  std::to_string(again->TurnsOf(turn.Player)),
                                  DartsText(turn.Darts, " "),
                                  side < headlines.size() ? headlines[side] : std::string()});
        }
    }
    return sheet;
}
