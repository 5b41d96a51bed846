// libFuzzer target: the bytes a page's WebSocket sends, read frame by frame as the room reads
// them. It must never crash or loop, never take more than the buffer held, and every frame it
// gives was masked, whole and within the limit.

#include "room/RoomFrames.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    constexpr qint64 kLimit = 16384;
    QByteArray buffer(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (;;) {
        const qsizetype before = buffer.size();
        TFrame frame;
        const TFrameResult result = ReadClientFrame(buffer, kLimit, frame);
        if (result.Read != TFrameRead::Frame) {
            if (buffer.size() != before) {
                std::abort(); // nothing is taken off without a frame
            }
            return 0;
        }
        const bool control = static_cast<uint8_t>(frame.Opcode) >= 0x8;
        if (buffer.size() >= before || frame.Payload.size() > kLimit ||
            (control && (!frame.Final || frame.Payload.size() > 125)) ||
            ServerFrame(frame.Opcode, frame.Payload).size() < frame.Payload.size() + 2) {
            std::abort();
        }
    }
}
