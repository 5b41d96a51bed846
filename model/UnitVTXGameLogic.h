#pragma once

// The match model: a match (CGame) of legs (CLeg, model/Leg.h), each with one score sheet
// (CPlayerScores, model/PlayerScores.h) per player; the X01 match of the matches of model/Match.h.
// Pure C++: no toolkit, no I/O. Every change is reported through the three callbacks of CGame,
// synchronously and in a fixed order; refused operations return false, change nothing and fire
// nothing.

#include "model/GameParams.h"
#include "model/Leg.h"
#include "model/Match.h"
#include "model/MatchFigures.h"
#include "model/MatchTally.h"
#include "model/PlayerScores.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class CGame final : public CMatch
{
public:
    CGame();
    ~CGame() override;
    CGame(const CGame&) = delete;
    CGame& operator=(const CGame&) = delete;

    std::function<void(CPlayerScores&)> OnSheetChanged;
    std::function<void(CPlayerScores*)> OnTurnChanged; // nullptr: nobody is to throw
    std::function<void(CPlayerScores&)> OnLegWon;

    void NewGame(const TGameParams& params);
    void NextLeg();
    // Takes back the last NextLeg while its leg has no turn yet: the leg before is in play
    // again, won as it was, and its winning turn can be undone or corrected.
    bool UndoNextLeg();
    bool CanUndoNextLeg() const;
    // Corrects turn `entry` of `player`'s sheet in leg `leg` (counted from 0) as ReplaceThrow
    // does. A leg before the one in play stays won by the same player with its winning score:
    // only its loser's turns and the darts of its winning turn can change.
    TThrowCheck CheckCorrectionInLeg(int32_t leg, int32_t player, int32_t entry, int32_t score,
                                     int32_t darts) const;
    bool CorrectInLeg(int32_t leg, int32_t player, int32_t entry, int32_t score, int32_t darts);
    void ClearLegs();
    int32_t LegCount() const override { return static_cast<int32_t>(m_Legs.size()); }
    CLeg* GetLeg(int32_t index) const
    {
        return index >= 0 && index < LegCount() ? m_Legs[static_cast<size_t>(index)].get()
                                                : nullptr;
    }
    CLeg* CurrentLeg() const { return GetLeg(LegCount() - 1); }
    TGameParams GetParams() const { return m_Params; }
    // The rules without a copy of the names, for the per-turn path.
    const TGameParams& Params() const override { return m_Params; }

    // -1: no turn can score this; 0: a turn score that no turn can finish from;
    // 1..3: the fewest darts that finish this total.
    static int32_t CheckOutDarts(int32_t score);

    // The most sides a match has.
    static constexpr int32_t kMaxPlayers = 8;

    TPlayerStats GetPlayerStats(int32_t playerIndex) const;
    // The same figures over the turns of one thrower of a pair only (`LegsWon`: legs in which
    // that thrower threw the winning turn). In singles, thrower 0 is the side.
    TPlayerStats GetThrowerStats(int32_t player, int32_t thrower) const;
    // Side `player`'s hits and attempts at each double over the match's dart-entered turns.
    TDoubleAttempts DoubleAttempts(int32_t player) const;
    // The thrower (0 or 1; 0 in singles) who threw entry `entry` (from 1) of side `player`'s
    // sheet in leg `leg` (from 0); -1 for an entry that does not exist. In leg n a pair's
    // first turn is thrown by its thrower n mod 2, and its throwers alternate after that.
    int32_t ThrowerOf(int32_t leg, int32_t player, int32_t entry) const;
    // The thrower of a side's turn number `turn` (from 1) in leg `leg`, thrown or to come.
    int32_t ThrowerFor(int32_t leg, int32_t turn) const;
    // Side `player`'s start score: its handicap, else StartScore.
    int32_t StartScoreOf(int32_t player) const;
    // Side `player`'s name (UTF-8), and the name of its thrower `thrower` in a pair (the
    // side's name in singles).
    std::string PlayerName(int32_t player) const override;
    std::string ThrowerName(int32_t player, int32_t thrower) const override;
    // The same figures summed afresh over every leg: the reference the kept sums are held to.
    TPlayerStats WalkPlayerStats(int32_t playerIndex) const;
    // Every leg of the match, the leg in play last.
    std::vector<TLegSummary> LegSummaries() const;
    // The darts a sheet's turns took: 3 a turn, the winning turn's claimed darts when given.
    static int32_t SheetDarts(const CPlayerScores& sheet);
    // The darts the turn `entry` of a sheet took by the same rule: 3, or the claimed darts of
    // the winning turn.
    static int32_t TurnDarts(const CPlayerScores& sheet, int32_t entry);

    // The index of the player who has won the match, -1 while it is open (always, when no
    // match length is set). Once it is won, NextLeg does nothing.
    int32_t MatchWinner() const override;
    // Sets the player has won (0 when no sets are played).
    int32_t SetsWon(int32_t player) const override;
    // Legs the player has won in the set in play, or in the match when no sets are played.
    int32_t LegsInSet(int32_t player) const override;
    // The set in play, counted from 1 (1 when no sets are played).
    int32_t SetNumber() const override;
    // The leg in play within its set, counted from 1 (the leg of the match without sets).
    int32_t LegNumberInSet() const override;

    // The match as every kind of match is seen (model/Match.h).
    TGameKind Kind() const override { return TGameKind::X01; }
    bool TakesTotals() const override { return true; }
    int32_t SideToThrow() const override;
    int32_t ThrowerToThrow(int32_t player) const override;
    bool LegOver() const override;
    int32_t LegWinner() const override;
    TTurnSheet TurnSheet() const override;
    int32_t LegsWon(int32_t player) const override;
    TPlayerStats SideFigures(int32_t player) const override { return GetPlayerStats(player); }
    TThrowCheck Check(const TMatchOperation& operation) const override;
    [[nodiscard]] bool Apply(const TMatchOperation& operation) override;

private:
    // The score of the match before the leg in play: legs and sets won, the set in play and
    // how many legs it has had. The leg in play is added when asked (it can still be undone
    // or corrected), the earlier ones when the next leg starts.
    void FoldLeg(TMatchTally& tally, const CLeg& leg) const;
    TMatchTally Tally() const;

    // What the match statistics add up, before the averages are taken.
    struct TStatsSums
    {
        int64_t Points = 0;
        int64_t Turns = 0;
        int64_t Darts = 0;
        int64_t LegsWon = 0;
        int64_t PossibleOutShots = 0;
        int64_t OutShotPoints = 0;
        std::array<int64_t, CPlayerScores::kBandCount> TurnCounts{};
        int32_t Lowest = CPlayerScores::kNoLowestTurn;
        int32_t Highest = 0;
        int32_t HighestOutShot = 0;
        int64_t FirstNinePoints = 0;
        int64_t FirstNineDarts = 0;
        int32_t BestLeg = 0;
        int32_t WorstLeg = 0;
        int64_t LegsPlayed = 0;
        int64_t DartsAtDouble = 0;
        int64_t DoublesHit = 0;
    };
    void AddSheet(TStatsSums& sums, const CPlayerScores& sheet) const;
    // Adds the turns of one thrower of a sheet of leg `leg`.
    void AddThrowerTurns(TStatsSums& sums, const CPlayerScores& sheet, int32_t leg,
                         int32_t thrower) const;
    TPlayerStats StatsFromSums(const TStatsSums& sums) const;
    // Called before a sheet changes: a change to a leg before the one in play spoils the sums
    // kept for those legs.
    void EarlierLegChanged(const CLeg& leg) const;

    friend class CLeg;
    friend class CPlayerScores;

    void FireSheetChanged(CPlayerScores& sheet) const;
    void FireTurnChanged(CPlayerScores* sheet) const;
    void FireLegWon(CPlayerScores& sheet) const;

    std::vector<std::unique_ptr<CLeg>> m_Legs;
    TGameParams m_Params;
    TMatchTally m_Tally;
    // Each player's sums over the first m_EarlierLegs legs (all but the leg in play, once
    // caught up); kept by GetPlayerStats.
    mutable std::vector<TStatsSums> m_EarlierSums;
    mutable int32_t m_EarlierLegs = 0;
    mutable bool m_EarlierStale = false;
};
