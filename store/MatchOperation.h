#pragma once

// One change of a match as the operator made it: what the match store keeps, and what
// rebuilds the match when it is replayed through the model's public operations.

#include "games/GamesMatch.h"
#include "model/UnitVTXGameLogic.h"

#include <cstdint>
#include <vector>

enum class TOperationKind : int32_t
{
    Turn = 1,        // AddThrow(Score, Darts) on the sheet of Player
    Undo = 2,        // UndoThrow on the current sheet
    Correction = 3,  // ReplaceThrow(Entry, Score, Darts) on the sheet of Player
    NextLeg = 4,     // NextLeg
    UndoNextLeg = 5, // UndoNextLeg: the leg before is in play again
};

struct TMatchOperation
{
    TOperationKind Kind = TOperationKind::Turn;
    int32_t Player = 0;
    int32_t Entry = 0;
    int32_t Score = 0;
    int32_t Darts = 0;
    // The leg of a Correction, counted from 0; -1: the leg in play.
    int32_t Leg = -1;
    // A turn (or a correction in the leg in play) entered dart by dart: its darts, which
    // decide it (Score and Darts are then what they make). Empty: a typed total.
    std::vector<TDart> Thrown{};

    bool operator==(const TMatchOperation&) const = default;
};

// Applies `operation` to the leg in play of `game`; false when the match refuses it.
inline bool ApplyOperation(CGame& game, const TMatchOperation& operation)
{
    CLeg* leg = game.CurrentLeg();
    if (leg == nullptr) {
        return false;
    }
    switch (operation.Kind) {
    case TOperationKind::Turn: {
        CPlayerScores* sheet = leg->GetSheet(operation.Player);
        if (sheet != nullptr && !operation.Thrown.empty()) {
            return sheet->AddDarts(operation.Thrown);
        }
        return sheet != nullptr && sheet->AddThrow(operation.Score, operation.Darts);
    }
    case TOperationKind::Undo: {
        CPlayerScores* sheet = leg->CurrentSheet();
        return sheet != nullptr && sheet->CanUndoThrow() && sheet->UndoThrow();
    }
    case TOperationKind::Correction: {
        if (operation.Leg >= 0 && operation.Leg != game.LegCount() - 1) {
            return game.CorrectInLeg(operation.Leg, operation.Player, operation.Entry,
                                     operation.Score, operation.Darts);
        }
        CPlayerScores* sheet = leg->GetSheet(operation.Player);
        if (sheet != nullptr && !operation.Thrown.empty()) {
            return sheet->ReplaceDarts(operation.Entry, operation.Thrown);
        }
        return sheet != nullptr &&
               sheet->ReplaceThrow(operation.Entry, operation.Score, operation.Darts);
    }
    case TOperationKind::NextLeg: {
        const int32_t legs = game.LegCount();
        game.NextLeg();
        return game.LegCount() == legs + 1;
    }
    case TOperationKind::UndoNextLeg:
        return game.UndoNextLeg();
    }
    return false;
}

// Applies `operation` to a match of cricket or a practice game: a turn of the side to throw
// (its darts; none: three misses), an undo of the leg's last turn, the next leg or its undo.
// Corrections are X01's only.
inline bool ApplyOperation(CGamesMatch& games, const TMatchOperation& operation)
{
    switch (operation.Kind) {
    case TOperationKind::Turn:
        return operation.Player == games.CurrentLeg().PlayerToThrow() &&
               games.AddTurn(operation.Thrown);
    case TOperationKind::Undo:
        return games.UndoTurn();
    case TOperationKind::NextLeg:
        return games.NextLeg();
    case TOperationKind::UndoNextLeg:
        return games.UndoNextLeg();
    case TOperationKind::Correction:
        break;
    }
    return false;
}
