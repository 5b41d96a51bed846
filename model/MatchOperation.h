#pragma once

// One change of a match as the operator made it: what the match store keeps, and what rebuilds
// the match when it is replayed through the match's own checks.

#include "model/Dart.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class CMatch;

enum class TOperationKind : int32_t
{
    Turn = 1,        // a turn of Player: Score and Darts (X01), or its darts
    Undo = 2,        // takes back the leg's last turn
    Correction = 3,  // corrects turn Entry of Player (X01): Score and Darts, or its darts
    NextLeg = 4,     // starts the next leg
    UndoNextLeg = 5, // the leg before is in play again
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
    // decide it (Score and Darts are then what they make). Empty: a typed total (X01), or three
    // misses (the other games).
    std::vector<TDart> Thrown{};

    bool operator==(const TMatchOperation&) const = default;
};

// Applies `operation` to `match`; false, and nothing changes, when the match refuses it.
bool ApplyOperation(CMatch& match, const TMatchOperation& operation);

// Replays `operations` in order on `match` as made (the one replay of Resume, the exports and
// History). An operation the match refuses is skipped and the replay goes on past it; false
// when one was, with their indexes in `skipped`. `applied` hears each operation the match
// took, right after it took it.
bool Replay(CMatch& match, const std::vector<TMatchOperation>& operations,
            std::vector<size_t>* skipped = nullptr,
            const std::function<void(const TMatchOperation&)>& applied = {});
