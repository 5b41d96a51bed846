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
#include <utility>
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
    // Match length: the first to win this many legs wins the match (or the set, when sets are
    // played); 0: legs go on until a new game.
    int32_t LegsToWin = 0;
    // The first to win this many sets of LegsToWin legs wins the match; 0: no sets.
    int32_t SetsToWin = 0;
    // Every side's name in throwing order (UTF-8); empty: Player1Name and Player2Name. When
    // set, its first two are Player1Name and Player2Name.
    std::vector<std::string> PlayerNames;
    // One start score per side, a handicap (X01 only); empty: StartScore for every side.
    std::vector<int32_t> StartScores;
    // Throwers per side: 1 (singles) or 2 (pairs, who share one sheet and one remainder).
    int32_t TeamSize = 1;
    // With TeamSize 2, every thrower's name side by side (side 0's two, then side 1's, ...).
    std::vector<std::string> ThrowerNames;
    // The sides the computer throws for, with the 3-dart average it plays at (20..110); 0 or
    // beyond the end: a person. Empty: people only.
    std::vector<int32_t> ComputerAverages;
    // The computer's darts of this match: the same seed and the same match give the same turns.
    uint64_t ComputerSeed = 0;
    // Turns are entered dart by dart (a typed total is still taken): how the match is entered,
    // not a rule of it.
    bool EnterDarts = false;
};

// The average the computer plays side `player` at; 0 for a person.
int32_t ComputerAverage(const TGameParams& params, int32_t player);

// Side `player`'s name (UTF-8): PlayerNames when given, else Player1Name and Player2Name;
// empty for a side that has none.
std::string SideName(const TGameParams& params, int32_t player);

// Why a turn (or a correction of one) is refused. The window says it in the operator's words.
enum class TRefusal : uint8_t
{
    None,             // accepted
    LegFinished,      // the leg has been won: no turn is taken
    NoTotal,          // a finishing turn on a sheet that has no total to finish
    NotAScore,        // three darts cannot make this score (179)
    TooFewDarts,      // the claimed darts cannot finish this score (101 with one dart)
    Bust,             // more than is left
    LeavesOne,        // a total of 1 can never be finished
    NoDoubleFinish,   // reaches the target with a score no double finishes (159)
    TotalTooLarge,    // a count-up total beyond the largest integer
    NoSuchTurn,       // a correction of the opening entry or of a turn that is not there
    FinishesTooSoon,  // a correction that would end the leg before turns that follow it
    ChangesLegResult, // a correction of an earlier leg that would change who won it
    DartAfterEnd,     // a dart entered after the dart that finished or bust the turn
};

// One dart as called: `Segment` 1..20, 25 for the bull (Multiplier 1 the outer bull, 2 the
// bull), 0 a miss; `Multiplier` 1 single, 2 double, 3 treble.
struct TDart
{
    int32_t Segment = 0;
    int32_t Multiplier = 1;

    bool operator==(const TDart&) const = default;
};

// Whether a dart can be thrown at all (T25 and segment 21 cannot); its points; whether it
// finishes under the checkout rule (a double, the bull included).
bool IsValidDart(const TDart& dart);
int32_t DartPoints(const TDart& dart);
bool IsDoubleDart(const TDart& dart);

// The verdict on one turn: the refusal and the turn it concerns (for a correction, the first
// turn of the sheet that it makes impossible), with the total before that turn.
struct TThrowCheck
{
    TRefusal Refusal = TRefusal::None;
    int32_t Score = 0;
    int32_t Darts = 0;
    int32_t Previous = 0;
    int32_t EntryIndex = 0;

    bool Accepted() const { return Refusal == TRefusal::None; }
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
    // Points of the first three turns of each leg over the darts thrown in them, x 3 (a leg of
    // fewer turns counts what it has).
    double FirstNineAverage = 0.0;
    // The fewest and the most darts in a leg the player won; 0 when no leg is won.
    int32_t BestLegDarts = 0;
    int32_t WorstLegDarts = 0;
    // Legs in which the player has thrown, the leg in play included.
    int32_t LegsPlayed = 0;
    // Over turns entered dart by dart only: darts thrown while the remainder could be finished
    // with that one dart under the checkout rule (an even 2..40, or 50), the darts that
    // finished, and DoublesHit / DartsAtDouble x 100 (0 without darts at a double).
    int32_t DartsAtDouble = 0;
    int32_t DoublesHit = 0;
    double CheckoutPercent = 0.0;
};

// Hits and attempts at one double (D1..D20 at 0..19, the bull at 20): a dart thrown while the
// remainder is that double's value is an attempt at it.
using TDoubleAttempts = std::array<std::pair<int32_t, int32_t>, 21>;

// One leg as the per-leg table shows it.
struct TLegSummary
{
    int32_t Set = 1;      // counted from 1 (1 when no sets are played)
    int32_t LegInSet = 1; // counted from 1 within its set (within the match without sets)
    int32_t Starter = 0;  // the player who threw first
    int32_t Winner = -1;  // -1 while the leg is open
    int32_t WinnerDarts = 0;
    std::array<double, 2> Average{}; // each player's 3-dart average in the leg
    int32_t Checkout = 0;            // the winning turn's points
    // Every side's 3-dart average in the leg (the first two as in Average).
    std::vector<double> Averages;
    // For pairs, the thrower (0 or 1) who threw the leg's first turn and its winning turn;
    // 0 in singles, and WinnerThrower -1 while the leg is open.
    int32_t StarterThrower = 0;
    int32_t WinnerThrower = -1;
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
    // Who threw first in this leg, and where it stands in the match (both counted from 1).
    int32_t FirstThrower() const { return m_FirstThrower; }
    int32_t SetNumber() const { return m_SetNumber; }
    int32_t LegNumberInSet() const { return m_LegNumberInSet; }

private:
    CGame& m_Game;
    std::vector<std::unique_ptr<CPlayerScores>> m_Sheets;
    bool m_Finished = false;
    int32_t m_PlayerToThrow = 0;
    int32_t m_FirstThrower = 0;
    int32_t m_SetNumber = 1;
    int32_t m_LegNumberInSet = 1;
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
    std::string PlayerName(int32_t player) const;
    std::string ThrowerName(int32_t player, int32_t thrower) const;
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
    int32_t MatchWinner() const;
    // Sets the player has won (0 when no sets are played).
    int32_t SetsWon(int32_t player) const;
    // Legs the player has won in the set in play, or in the match when no sets are played.
    int32_t LegsInSet(int32_t player) const;
    // The set in play, counted from 1 (1 when no sets are played).
    int32_t SetNumber() const;
    // The leg in play within its set, counted from 1 (the leg of the match without sets).
    int32_t LegNumberInSet() const;

private:
    // The score of the match before the leg in play: legs and sets won, the set in play and
    // how many legs it has had. The leg in play is added when asked (it can still be undone
    // or corrected), the earlier ones when the next leg starts.
    struct TTally
    {
        std::vector<int32_t> LegsInSet;
        std::vector<int32_t> SetsWon;
        int32_t SetIndex = 0;
        int32_t LegInSet = 0;
        int32_t Winner = -1;
    };
    void FoldLeg(TTally& tally, const CLeg& leg) const;
    TTally Tally() const;

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
    TTally m_Tally;
    // Each player's sums over the first m_EarlierLegs legs (all but the leg in play, once
    // caught up); kept by GetPlayerStats.
    mutable std::vector<TStatsSums> m_EarlierSums;
    mutable int32_t m_EarlierLegs = 0;
    mutable bool m_EarlierStale = false;
};
