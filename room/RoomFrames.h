#pragma once

// The WebSocket frames (RFC 6455) of the room's pages, read and written by the room itself so
// that every rule is held: a client's frame must be masked, no reserved bit or unknown opcode,
// a control frame is whole and at most 125 bytes, no frame or message past the room's limit.
// Qt Core only, so that the fuzzer reads frames as the room does.

#include <QByteArray>
#include <cstdint>

enum class TOpcode : uint8_t
{
    Continuation = 0x0,
    Text = 0x1,
    Binary = 0x2,
    Close = 0x8,
    Ping = 0x9,
    Pong = 0xA,
};

struct TFrame
{
    TOpcode Opcode = TOpcode::Text;
    bool Final = true;
    QByteArray Payload; // unmasked
};

enum class TFrameRead : uint8_t
{
    Frame,    // one frame read and taken off the buffer
    NeedMore, // the buffer holds no whole frame yet
    Broken,   // the rules are broken: close with CloseCode
};

// The close codes the room sends.
inline constexpr uint16_t kCloseNormal = 1000;
inline constexpr uint16_t kCloseProtocol = 1002;
inline constexpr uint16_t kCloseNotText = 1007;
inline constexpr uint16_t kClosePolicy = 1008;
inline constexpr uint16_t kCloseTooBig = 1009;

struct TFrameResult
{
    TFrameRead Read = TFrameRead::NeedMore;
    uint16_t CloseCode = 0;
};

// Reads the first frame of `buffer` (bytes from a client) into `frame`, taking it off the
// buffer; a payload over `maxPayload` breaks the rules.
TFrameResult ReadClientFrame(QByteArray& buffer, qint64 maxPayload, TFrame& frame);
// A frame from the server: final, unmasked.
QByteArray ServerFrame(TOpcode opcode, const QByteArray& payload);
// A close frame with its code.
QByteArray CloseFrame(uint16_t code);
