#pragma once

// Why a match refuses an operation, and the verdict on one turn. One type for every kind of
// match: the words for each reason are the words/ folder's.

#include <cstdint>

// Why an operation is refused. The window says it in the operator's words.
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
    GameOver,         // a game beside X01 that has been won or ended: no turn is taken
    TooManyDarts,     // more than three darts in a turn
    NotADart,         // a dart no board has (T25)
    NotTheirTurn,     // a turn of a side that is not the one to throw
    NothingToUndo,    // an undo with no turn in the leg in play to take back
    MatchOver,        // the next leg of a match that has been won
    NextLegUnderway,  // an undo of the next leg when there is none, or once it has a turn
    NoCorrection,     // a correction in a game that corrects by undoing
};

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
