#pragma once

// What a keypad page may send over its WebSocket, one JSON object a text message, at most
// kMaxMessageBytes:
//   {"op": "turn", "score": 60}                       a turn's total as typed, 0..999
//   {"op": "checkout", "score": 40, "darts": 2}      a finishing turn and the darts it took
//   {"op": "darts", "darts": "T20 T20 20"}           a turn dart by dart (empty: three misses)
//   {"op": "undo"}                                   the last turn taken back
//   {"op": "next"}                                   the next leg, once the leg is won
//   {"op": "left", "left": 141}                     the turn that leaves this much, 0..999
// (whether a total can be scored, or finishes, is the match's to say), an optional "id" (an
// integer 0..2^31-1) the reply carries back, and "for": the "version" of the state it was typed
// against (a whole number from 0; without it the program refuses the request). Anything else is
// refused with a reason the page can show, and changes nothing.

#include "model/DartNotation.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

enum class TRoomRequestKind : uint8_t
{
    Turn,
    Checkout,
    Darts,
    Undo,
    NextLeg,
    Left,
};

struct TRoomRequest
{
    TRoomRequestKind Kind = TRoomRequestKind::Turn;
    int32_t Score = 0;         // Turn, Checkout
    int32_t CheckoutDarts = 0; // Checkout: 1..3
    std::vector<TDart> Darts;  // Darts: at most three
    int64_t Id = -1;           // -1: none sent
    int64_t For = -1;          // the state's version it was typed against; -1: none sent
    int32_t Left = 0;          // Left: what the turn leaves

    bool operator==(const TRoomRequest&) const = default;
};

constexpr qsizetype kMaxMessageBytes = 4096;

// The request in `message`, or none with the reason in `error`.
std::optional<TRoomRequest> ParseRoomRequest(const QByteArray& message, QString& error);
// The request as a keypad sends it (what ParseRoomRequest reads back the same).
QByteArray RoomRequestJson(const TRoomRequest& request);
