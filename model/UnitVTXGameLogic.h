#pragma once

// The match model: a match (CGame) of legs (CLeg), each with one score sheet (CPlayerScores)
// per player. Pure C++: no toolkit, no I/O. Every change is reported through the three
// callbacks of CGame, synchronously and in a fixed order; refused operations return false,
// change nothing and fire nothing.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CGame;
class CLeg;
class CPlayerScores;

struct TGameParams
{
    int32_t PlayerCount = 0;
    int32_t FirstPlayer = 0;
    int32_t StartScore = 0;
    int32_t TargetScore = 0;
    bool CountUp = false;
    bool CheckOutRule = false;
    std::string Player1Name; // UTF-8
    std::string Player2Name; // UTF-8
};

// One line of a score sheet: the turn's points and the player's total after it.
struct TurnEntry
{
    int32_t Score = 0;
    int32_t Remainder = 0;
};

// One player's figures over every leg of the match, the running leg included.
struct TPlayerStats
{
    int32_t LegsWon = 0;
    double TurnAverage = 0.0;
    double DartAverage = 0.0;
    int32_t PointsScored = 0;
    int32_t DartsThrown = 0;
    double DartsPerLeg = 0.0;
    int32_t HighestTurn = 0;
    int32_t LowestTurn = 0;
    int32_t PossibleOutShots = 0;
    double EffectiveOutShots = 0.0;
    int32_t HighestOutShot = 0;
    double OutShotAverage = 0.0;
    int32_t OutShotPoints = 0;
    int32_t Count60 = 0;
    int32_t Count100 = 0;
    int32_t Count140 = 0;
    int32_t Count180 = 0;
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
    bool UndoThrow();
    bool CanUndoThrow() const;

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
    void CountTurn(int32_t score);
    void RecountFromEntries();

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

class CLeg final
{
public:
    explicit CLeg(CGame& game);
    CLeg(const CLeg&) = delete;
    CLeg& operator=(const CLeg&) = delete;

    // Creates one sheet per player and records their opening entries.
    void Start();

    CPlayerScores* GetSheet(int32_t index) const
    {
        return index >= 0 && index < SheetCount() ? m_Sheets[static_cast<size_t>(index)].get()
                                                  : nullptr;
    }
    CPlayerScores* CurrentSheet() const { return GetSheet(m_PlayerToThrow); }
    int32_t SheetCount() const { return static_cast<int32_t>(m_Sheets.size()); }

    int32_t NextPlayer();
    int32_t PreviousPlayer();
    bool Finished() const { return m_Finished; }
    void SetFinished(bool finished) { m_Finished = finished; }
    void ClearWinners();
    int32_t PlayerToThrow() const { return m_PlayerToThrow; }
    CGame& Game() const { return m_Game; }

private:
    CGame& m_Game;
    std::vector<std::unique_ptr<CPlayerScores>> m_Sheets;
    bool m_Finished = false;
    int32_t m_PlayerToThrow = 0;
};

class CGame final
{
public:
    CGame();
    ~CGame();
    CGame(const CGame&) = delete;
    CGame& operator=(const CGame&) = delete;

    std::function<void(CPlayerScores&)> OnSheetChanged;
    std::function<void(CPlayerScores*)> OnTurnChanged; // nullptr: nobody is to throw
    std::function<void(CPlayerScores&)> OnLegWon;

    void NewGame(const TGameParams& params);
    void NextLeg();
    void ClearLegs();
    int32_t LegCount() const { return static_cast<int32_t>(m_Legs.size()); }
    CLeg* GetLeg(int32_t index) const
    {
        return index >= 0 && index < LegCount() ? m_Legs[static_cast<size_t>(index)].get()
                                                : nullptr;
    }
    CLeg* CurrentLeg() const { return GetLeg(LegCount() - 1); }
    TGameParams GetParams() const { return m_Params; }
    // The rules without a copy of the names, for the per-turn path.
    const TGameParams& Params() const { return m_Params; }

    // -1: no turn can score this; 0: a turn score that no turn can finish from;
    // 1..3: the fewest darts that finish this total.
    static int32_t CheckOutDarts(int32_t score);

    TPlayerStats GetPlayerStats(int32_t playerIndex) const;

private:
    friend class CLeg;
    friend class CPlayerScores;

    void FireSheetChanged(CPlayerScores& sheet) const;
    void FireTurnChanged(CPlayerScores* sheet) const;
    void FireLegWon(CPlayerScores& sheet) const;

    std::vector<std::unique_ptr<CLeg>> m_Legs;
    TGameParams m_Params;
};
