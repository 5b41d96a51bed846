#include "room/RoomFrames.h"

namespace {

bool Known(uint8_t opcode)
{
    return opcode <= 0x2 || (opcode >= 0x8 && opcode <= 0xA);
}

TFrameResult Broken(uint16_t code)
{
    return {TFrameRead::Broken, code};
}

} // namespace

TFrameResult ReadClientFrame(QByteArray& buffer, qint64 maxPayload, TFrame& frame)
{
    if (buffer.size() < 2) {
        return {};
    }
    const auto first = static_cast<uint8_t>(buffer[0]);
    const auto second = static_cast<uint8_t>(buffer[1]);
    const uint8_t opcode = first & 0x0F;
    const bool final = (first & 0x80) != 0;
    if ((first & 0x70) != 0 || !Known(opcode)) {
        return Broken(kCloseProtocol); // no extension was agreed
    }
    if ((second & 0x80) == 0) {
        return Broken(kCloseProtocol); // a client masks every frame
    }
    const bool control = opcode >= 0x8;
    uint64_t length = second & 0x7F;
    qsizetype at = 2;
    if (control && (!final || length > 125)) {
        return Broken(kCloseProtocol);
    }
    if (length == 126) {
        if (buffer.size() < 4) {
            return {};
        }
        length = (static_cast<uint64_t>(static_cast<uint8_t>(buffer[2])) << 8) |
                 static_cast<uint8_t>(buffer[3]);
        at = 4;
    } else if (length == 127) {
        if (buffer.size() < 10) {
            return {};
        }
        length = 0;
        for (qsizetype index = 2; index < 10; ++index) {
            length = (length << 8) | static_cast<uint8_t>(buffer[index]);
        }
        at = 10;
    }
    if (length > static_cast<uint64_t>(maxPayload)) {
        return Broken(kCloseTooBig);
    }
    const auto size = static_cast<qsizetype>(length);
    if (buffer.size() < at + 4 + size) {
        return {};
    }
    const QByteArray mask = buffer.mid(at, 4);
    frame.Opcode = static_cast<TOpcode>(opcode);
    frame.Final = final;
    frame.Payload = buffer.mid(at + 4, size);
    for (qsizetype index = 0; index < size; ++index) {
        frame.Payload[index] = static_cast<char>(frame.Payload[index] ^ mask[index % 4]);
    }
    buffer.remove(0, at + 4 + size);
    return {TFrameRead::Frame, 0};
}

QByteArray ServerFrame(TOpcode opcode, const QByteArray& payload)
{
    QByteArray frame;
    frame.reserve(payload.size() + 10);
    frame.append(static_cast<char>(0x80 | static_cast<uint8_t>(opcode)));
    const auto size = static_cast<uint64_t>(payload.size());
    if (size < 126) {
        frame.append(static_cast<char>(size));
    } else if (size <= 0xFFFF) {
        frame.append(static_cast<char>(126));
        frame.append(static_cast<char>((size >> 8) & 0xFF));
        frame.append(static_cast<char>(size & 0xFF));
    } else {
        frame.append(static_cast<char>(127));
        for (int shift = 56; shift >= 0; shift -= 8) {
            frame.append(static_cast<char>((size >> shift) & 0xFF));
        }
    }
    return frame + payload;
}

QByteArray CloseFrame(uint16_t code)
{
    QByteArray payload;
    payload.append(static_cast<char>(code >> 8));
    payload.append(static_cast<char>(code & 0xFF));
    return ServerFrame(TOpcode::Close, payload);
}
