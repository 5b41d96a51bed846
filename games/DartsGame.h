#pragma once

// The games beside X01, played dart by dart: cricket and the practice games. Pure C++ like the
// match model. Each game is one leg of up to eight sides taking turns of up to three darts;
// a turn's darts that are not entered are misses (the operator types the darts that scored).
// A game keeps its turns and rebuilds itself from them on an undo, so it has no state of
// its own to go wrong.

#include "model/Dart.h"
#include "model/Match.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The games after X01 in the order New Game lists them, and their names as shown and stored.
inline constexpr TGameKind kOtherGames[] = {
    TGameKind::Cricket,        TGameKind::CutThroatCricket,
    TGameKind::AroundTheClock, TGameKind::AroundTheClockFast,
    TGameKind::Bobs27,         TGameKind::Checkout121,
    TGameKind::Shanghai,       TGameKind::ShanghaiLong,
    TGameKind::HalveIt,        TGameKind::Killer,
};
const char* GameName(TGameKind kind);
// The game a stored name stands for; X01 for every other name.
TGameKind GameKindOf(std::string_view name);
bool IsCricket(TGameKind kind);

// Why a turn is refused: the refusal every kind of match gives (None, GameOver, TooManyDarts,
// NotADart, DartAfterEnd from a game).
using TTurnRefusal = TRefusal;

// What a game's panel and the board show of it: a label per row, a text per side in each row,
// and each side's headline figure (cricket points, the number to hit, the score).
struct TGameTable
{
    std::vector<std::string> RowLabels;
    std::vector<std::vector<std::string>> Cells; // [row][side]
    std::vector<std::string> Headlines;          // [side]
};

struct TPlayedTurn
{
    int32_t Player = 0;
    std::vector<TDart> Darts;
    // The turn's last dart ended it early: a leg won, a game finished, a target checked out.
    bool Ended = false;
};

class CDartsGame
{
public:
    // `players` 1..8 sides; `firstPlayer` throws first.
    CDartsGame(int32_t players, int32_t firstPlayer);
    virtual ~CDartsGame() = default;
    CDartsGame& operator=(const CDartsGame&) = delete;
    // The game as it stands, to look ahead on (the computer tries its darts on a copy).
    virtual std::unique_ptr<CDartsGame> Copy() const = 0;

    int32_t Players() const { return m_Players; }
    int32_t FirstPlayer() const { return m_FirstPlayer; }
    // The side to throw; -1 once the game is over.
    int32_t PlayerToThrow() const { return m_ToThrow; }
    TTurnRefusal CheckTurn(const std::vector<TDart>& darts) const;
    // A turn of the side to throw; false (and nothing changes) when CheckTurn refuses it.
    bool AddTurn(const std::vector<TDart>& darts);
    bool UndoTurn();
    int32_t TurnCount() const { return static_cast<int32_t>(m_Turns.size()); }
    const std::vector<TPlayedTurn>& Turns() const { return m_Turns; }
    // The turns `player` has thrown.
    int32_t TurnsOf(int32_t player) const;

    // The winning side; -1 while the game is open, and when it ended without one (a tie).
    virtual int32_t Winner() const = 0;
    virtual bool Over() const = 0;
    // Darts thrown by `player`: three a turn, and up to the last entered in a turn that
    // finished the player's game.
    int32_t DartsThrown(int32_t player) const;
    virtual TGameTable Table() const = 0;

protected:
    CDartsGame(const CDartsGame&) = default;
    // Back to the start, before any turn.
    virtual void Reset() = 0;
    // Plays a checked turn of `player`; returns whether the turn ended the player's game (so
    // the darts not entered were not thrown).
    virtual bool Play(int32_t player, const std::vector<TDart>& darts) = 0;
    // The index of the dart after which no other may follow in this turn of `player`, or -1.
    virtual int32_t TurnEnd(int32_t player, const std::vector<TDart>& darts) const = 0;
    // Whether `player` has no more turns (practice games go on until every side is done).
    virtual bool PlayerDone(int32_t player) const;
    static bool InRange(int32_t player, int32_t players) { return player >= 0 && player < players; }

private:
    void PassTurn();

    int32_t m_Players;
    int32_t m_FirstPlayer;
    int32_t m_ToThrow;
    std::vector<TPlayedTurn> m_Turns;
    std::vector<int32_t> m_Darts;
};

// The side with the highest of `scores`, -1 when two or more share it (or there is none).
int32_t SoleLeader(const std::vector<int32_t>& scores);

// The fewest sides a game of `kind` is played by (Killer needs three).
int32_t FewestSides(TGameKind kind);
// Whether a game of `kind` draws something at its start (Killer's numbers) from the match's
// seed, which must then be kept with the match.
bool DrawsAtStart(TGameKind kind);

// A new game of `kind` (not X01); none for X01. `seed` draws what the game draws at its start.
std::unique_ptr<CDartsGame> MakeGame(TGameKind kind, int32_t players, int32_t firstPlayer,
                                     uint64_t seed = 0);
