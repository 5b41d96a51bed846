#pragma once

// A match of any game, as everything above the model sees it: its sides and who throws, its
// legs and sets won, its winner, and for every operation the check (accepted, or refused with
// the reason) and the apply. The X01 match (CGame) and the other games' match (CGamesMatch)
// implement it; the factory (games/MatchFactory.h) makes one by the game's name.

#include "model/GameParams.h"
#include "model/MatchFigures.h"
#include "model/MatchOperation.h"
#include "model/Refusal.h"

#include <cstdint>
#include <string>
#include <vector>

// Which game a match plays. X01 is every game of the X01 match (the five New Game lists first).
enum class TGameKind : int32_t
{
    X01 = 0,
    Cricket,
    CutThroatCricket,
    AroundTheClock,
    AroundTheClockFast,
    Bobs27,
    Checkout121,
    Shanghai,
    ShanghaiLong,
    HalveIt,
    Killer,
};

// The turns that stand in a match, one row each in the order they are kept, with the columns
// its kind keeps of a turn: what the CSV export writes. Cells are as stored, never translated.
struct TTurnSheet
{
    std::vector<std::string> Columns;
    // Per column: whether its cells are names, text whatever they look like; the others are
    // figures, a number as it is ("-3") or a word ("Done").
    std::vector<bool> Names;
    std::vector<std::vector<std::string>> Rows;
};

class CMatch
{
public:
    CMatch() = default;
    virtual ~CMatch() = default;
    CMatch(const CMatch&) = delete;
    CMatch& operator=(const CMatch&) = delete;

    virtual TGameKind Kind() const = 0;
    virtual const TGameParams& Params() const = 0;
    int32_t Sides() const { return Params().PlayerCount; }
    // Side `side`'s name (UTF-8), and the name of its thrower `thrower` in a pair (the side's
    // name in singles).
    virtual std::string PlayerName(int32_t side) const = 0;
    virtual std::string ThrowerName(int32_t side, int32_t thrower) const = 0;
    // The side to throw in the leg in play; -1 once nobody is (the leg is over).
    virtual int32_t SideToThrow() const = 0;
    // The thrower (0 or 1; 0 in singles) of `side` to throw its next turn in the leg in play.
    virtual int32_t ThrowerToThrow(int32_t side) const = 0;

    // Whether a turn can be entered as its total (X01), not only dart by dart.
    virtual bool TakesTotals() const = 0;

    virtual int32_t LegCount() const = 0;
    // Whether the leg in play is over (won, or ended by every side).
    virtual bool LegOver() const = 0;
    // The side that won the leg in play; -1 while it is played, for a tie, and for a game a
    // side plays alone against a score (cricket and the practice games: a lone side's leg ends,
    // it beats nobody). A lone X01 side wins its leg by checking out.
    virtual int32_t LegWinner() const = 0;
    // The match's winner (-1 while open, and always without a match length), the sets won
    // (0 without sets), the legs won in the set in play (in the match without sets), and the
    // legs won in the whole match.
    virtual int32_t MatchWinner() const = 0;
    virtual int32_t SetsWon(int32_t side) const = 0;
    virtual int32_t LegsInSet(int32_t side) const = 0;
    virtual int32_t LegsWon(int32_t side) const = 0;
    // The set in play and the leg in play within it, counted from 1.
    virtual int32_t SetNumber() const = 0;
    virtual int32_t LegNumberInSet() const = 0;

    // The figures kept for side `side` over the match: the X01 match's statistics; the other
    // games' legs won and darts thrown (their points and averages mean nothing there).
    virtual TPlayerStats SideFigures(int32_t side) const = 0;

    // Every turn that stands, leg by leg.
    virtual TTurnSheet TurnSheet() const = 0;

    // What the match says to `operation` now: accepted, or refused and why. For a turn or a
    // correction entered dart by dart, the accepted check holds the total and claim they make.
    virtual TThrowCheck Check(const TMatchOperation& operation) const = 0;
    // Applies `operation` when Check accepts it; false, and nothing changes, otherwise.
    [[nodiscard]] virtual bool Apply(const TMatchOperation& operation) = 0;
};
