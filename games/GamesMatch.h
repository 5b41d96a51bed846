#pragma once

// A match of one of the games beside X01: legs of the game, first to LegsToWin (in sets of
// them, first to SetsToWin), the first thrower moving on from leg to leg and set to set as in
// an X01 match. Pairs share a side; their throwers alternate as in X01.

#include "games/DartsGame.h"
#include "model/Match.h"
#include "model/MatchTally.h"

class CGamesMatch final : public CMatch
{
public:
    CGamesMatch(TGameKind kind, const TGameParams& params);

    TGameKind Kind() const override { return m_Kind; }
    bool TakesTotals() const override { return false; }
    const TGameParams& Params() const override { return m_Params; }
    int32_t Players() const { return m_Params.PlayerCount; }
    int32_t LegCount() const override { return static_cast<int32_t>(m_Legs.size()); }
    const CDartsGame* Leg(int32_t index) const;
    const CDartsGame& CurrentLeg() const { return *m_Legs.back(); }

    TTurnRefusal CheckTurn(const std::vector<TDart>& darts) const;
    bool AddTurn(const std::vector<TDart>& darts);
    // Takes back the last turn of the leg in play.
    bool UndoTurn();
    // Starts the next leg (the one in play need not be over); none once the match is won.
    bool NextLeg();
    // Takes back the last NextLeg while its leg has no turn yet.
    bool CanUndoNextLeg() const;
    bool UndoNextLeg();

    // The match's winner (-1 while open or without a length), the sets won, and the legs won
    // in the set in play (in the match without sets).
    int32_t MatchWinner() const override;
    int32_t SetsWon(int32_t player) const override;
    int32_t LegsInSet(int32_t player) const override;
    int32_t LegsWon(int32_t player) const override;
    // The set in play and the leg in play within it, counted from 1.
    int32_t SetNumber() const override { return Tally(LegCount() - 1).SetIndex + 1; }
    int32_t LegNumberInSet() const override { return Tally(LegCount() - 1).LegInSet + 1; }
    // For pairs: the thrower (0 or 1) of `player` to throw next in the leg in play; 0 in
    // singles.
    int32_t ThrowerToThrow(int32_t player) const override;
    std::string ThrowerName(int32_t player, int32_t thrower) const override;

    // The match as every kind of match is seen (model/Match.h).
    std::string PlayerName(int32_t player) const override;
    int32_t SideToThrow() const override { return CurrentLeg().PlayerToThrow(); }
    bool LegOver() const override { return CurrentLeg().Over(); }
    int32_t LegWinner() const override { return Players() == 1 ? -1 : CurrentLeg().Winner(); }
    TPlayerStats SideFigures(int32_t player) const override;
    TTurnSheet TurnSheet() const override;
    TThrowCheck Check(const TMatchOperation& operation) const override;
    [[nodiscard]] bool Apply(const TMatchOperation& operation) override;

private:
    // The tally of the first `legs` legs (the winner's legs end it).
    TMatchTally Tally(int32_t legs) const;
    // Leg `index`'s game, drawn (Killer's numbers) from the match's seed and the leg.
    std::unique_ptr<CDartsGame> MakeLeg(int32_t index, int32_t firstPlayer) const;
    void StartLeg();

    TGameKind m_Kind;
    TGameParams m_Params;
    std::vector<std::unique_ptr<CDartsGame>> m_Legs;
};
