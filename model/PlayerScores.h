#pragma once

// One side's score sheet in one leg: its turns and totals, the darts of the turns entered
// dart by dart, and the checks a turn or a correction of one must pass.

#include "model/Dart.h"
#include "model/GameParams.h"
#include "model/MatchFigures.h"
#include "model/Refusal.h"

#include <array>
#include <cstdint>
#include <vector>

class CLeg;

// One line of a score sheet: the turn's points and the player's total after it.
struct TurnEntry
{
    int32_t Score = 0;
    int32_t Remainder = 0;
};

class CPlayerScores final
{
public:
    // Score -1 in AddThrow means "the whole current total": a finishing turn.
    static constexpr int32_t kFinishingTurn = -1;
    // LowestTurn before any turn is recorded: above every possible turn score.
    static constexpr int32_t kNoLowestTurn = 200;

    CPlayerScores(CLeg& leg, int32_t playerIndex);
    CPlayerScores(const CPlayerScores&) = delete;
    CPlayerScores& operator=(const CPlayerScores&) = delete;

    // Records one turn; `darts` is the number of darts claimed for a finish (0: no claim).
    [[nodiscard]] bool AddThrow(int32_t score, int32_t darts);
    bool IsValidThrow(int32_t score, int32_t darts) const;
    // What AddThrow would say to this turn now, and why it would refuse it.
    TThrowCheck CheckThrow(int32_t score, int32_t darts) const;
    // Corrects turn `index` (as in GetEntry; the opening entry cannot be replaced) to `score`
    // (-1: the whole total before it) with `darts` claimed, and recomputes every later total
    // of the sheet: the sheet and the match figures become what they would be had the
    // corrected score been typed at the time. Refused when a later turn of the sheet would
    // become impossible, or when a turn other than the leg's last would reach the target.
    // Correcting the leg's last turn may win the leg or take the win back.
    [[nodiscard]] bool ReplaceThrow(int32_t index, int32_t score, int32_t darts);
    TThrowCheck CheckReplace(int32_t index, int32_t score, int32_t darts) const;
    // The darts claimed with entry `index` (0: no claim).
    int32_t ClaimedDarts(int32_t index) const;
    bool UndoThrow();
    bool CanUndoThrow() const;

    // One to three darts of the turn in the order thrown. The turn scores their sum; a dart
    // that busts (below the target, to 1 under the checkout rule, or to the target not on a
    // double under the rule) makes it score 0, and one that reaches the target (on a double
    // under the rule) finishes it with that many darts claimed; no dart may follow either.
    // Otherwise the refusals of a typed turn. The darts are kept with the entry.
    TThrowCheck CheckDarts(const std::vector<TDart>& darts) const;
    [[nodiscard]] bool AddDarts(const std::vector<TDart>& darts);
    // Corrects turn `index` to these darts, as ReplaceThrow corrects it to a total.
    TThrowCheck CheckReplaceDarts(int32_t index, const std::vector<TDart>& darts) const;
    [[nodiscard]] bool ReplaceDarts(int32_t index, const std::vector<TDart>& darts);
    // The darts entry `index` was entered with; none for a typed total.
    const std::vector<TDart>* EntryDarts(int32_t index) const;
    // Adds entry `index`'s darts at a double and doubles hit, and each double's (hits,
    // attempts), to the counts given; a typed total adds nothing.
    void CountDoubles(int32_t index, int32_t& atDouble, int32_t& hit,
                      TDoubleAttempts* perDouble = nullptr) const;

    int32_t EntryCount() const { return static_cast<int32_t>(m_Entries.size()); }
    const TurnEntry* GetEntry(int32_t index) const
    {
        return index >= 0 && index < EntryCount() ? &m_Entries[static_cast<size_t>(index)]
                                                  : nullptr;
    }
    const TurnEntry* LastEntry() const { return m_Entries.empty() ? nullptr : &m_Entries.back(); }
    bool DeleteLastEntry();

    int32_t PointsScored() const;
    int32_t DartCount() const;
    double TurnAverage() const;
    double DartAverage() const;

    bool Won() const { return m_Won; }
    int32_t PlayerIndex() const { return m_PlayerIndex; }
    CLeg& Leg() const { return m_Leg; }
    int32_t OutShotDarts() const { return m_OutShotDarts; }
    int32_t HighestTurn() const { return m_HighestTurn; }
    int32_t LowestTurn() const { return m_LowestTurn; }
    int32_t Count60() const { return m_TurnCounts[kBand60]; }
    int32_t Count100() const { return m_TurnCounts[kBand100]; }
    int32_t Count140() const { return m_TurnCounts[kBand140]; }
    int32_t Count180() const { return m_TurnCounts[kBand180]; }
    int32_t PossibleOutShots() const { return m_PossibleOutShots; }

private:
    friend class CLeg;
    friend class CGame;

    int32_t PreviousTotal() const;
    // Whether this sheet holds the leg's last recorded turn.
    bool ThrewLast() const;
    void CountTurn(int32_t score);
    // The band of m_TurnCounts a turn of `score` counts in; kBandCount: none.
    static size_t BandOf(int32_t score);
    void RecountFromEntries();

    // Records a turn (darts: its darts, or none for a typed total) and tells the match.
    bool AddTurn(const TThrowCheck& check, const std::vector<TDart>* darts);
    bool ReplaceTurn(int32_t index, int32_t score, int32_t darts, const std::vector<TDart>* thrown);

    // The darts of an entry entered dart by dart, kept apart like the claims.
    struct TThrown
    {
        int32_t EntryIndex = 0;
        std::vector<TDart> Darts;
    };
    std::vector<TThrown> m_Thrown;

    // A claimed dart count that belongs to one entry, kept apart from the entries so that a
    // turn stays 8 bytes: claims are rare (finishing actions only).
    struct TClaim
    {
        int32_t EntryIndex = 0;
        int32_t Darts = 0;
    };

    CLeg& m_Leg;
    std::vector<TurnEntry> m_Entries;
    std::vector<TClaim> m_Claims;
    int32_t m_OutShotDarts = 0;
    int32_t m_PlayerIndex = 0;
    bool m_Won = false;
    int32_t m_HighestTurn = 0;
    int32_t m_LowestTurn = kNoLowestTurn;
    // Turns of 60..99, 100..139, 140..179 and exactly 180, side by side so that the match
    // statistics add them up in one step.
    enum TBand : size_t
    {
        kBand60,
        kBand100,
        kBand140,
        kBand180,
        kBandCount
    };
    std::array<int32_t, kBandCount> m_TurnCounts{};
    int32_t m_PossibleOutShots = 0;
};
