#pragma once

// What the camera scoring system's local service (Autodarts' board service) sends on
// ws://HOST:PORT/api/events?type=state: one JSON object a message,
//   {"type": "state", "data": {"connected": true, "running": true, "status": "Throw",
//    "event": "Throw detected", "numThrows": 2, "throws": [{"segment": {"name": "T20",
//    "number": 20, "bed": "Triple", "multiplier": 3}, "coords": {...}}, ...]}}
// with every dart of the visit so far, oldest first. Qt Core only: the source and the fuzzer
// link it.

#include "model/Dart.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// The service's events this program acts on; Other for the rest (calibration, starting, ...).
enum class TCameraEvent : uint8_t
{
    Other,
    ThrowDetected,
    TakeoutStarted,
    TakeoutFinished,
    ManualReset,
    Started,
    Stopped,
};

enum class TCameraStatus : uint8_t
{
    Other,
    Throw,
    Takeout, // "Takeout" and "Takeout in progress": the darts are being taken out
    Stopped,
};

struct TCameraState
{
    bool Connected = false;
    bool Running = false;
    TCameraStatus Status = TCameraStatus::Other;
    TCameraEvent Event = TCameraEvent::Other;
    // Every dart of the visit so far, oldest first.
    std::vector<TDart> Throws;

    bool operator==(const TCameraState&) const = default;
};

// Larger messages are refused unread; no visit comes near.
constexpr qsizetype kMaxCameraMessageBytes = 64 * 1024;
// A visit longer than this is no visit the service sends.
constexpr size_t kMaxCameraThrows = 12;

// The state in `message`; std::nullopt for a message of another type (`error` left empty) and
// for one that cannot be read (the reason in `error`): not JSON, no `data`, a dart no board has.
std::optional<TCameraState> ParseCameraMessage(const QByteArray& message, QString& error);
// The message the service sends for `state` (what ParseCameraMessage reads back the same).
QByteArray CameraStateJson(const TCameraState& state);

constexpr quint16 kCameraServicePort = 3180;

// The service's address as the settings give it: "host:port", "host" (port 3180), or a port
// alone (this computer). False when `text` is none of these.
bool ParseCameraAddress(const QString& text, QString& host, quint16& port);
