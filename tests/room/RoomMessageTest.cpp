// The keypad's messages: what is taken, and what is refused with which reason.

#include "room/RoomMessage.h"

#include <gtest/gtest.h>

TEST(RoomMessage, TakesTheFourRequestsAndRefusesTheRestWithAReason)
{
    struct TCase
    {
        const char* Message;
        std::optional<TRoomRequest> Expected;
        const char* Reason; // a part of the reason when refused
    };
    const std::vector<TCase> cases = {
        {R"({"op":"turn","score":60})", TRoomRequest{TRoomRequestKind::Turn, 60, 0, {}, -1}, ""},
        {R"({"op":"turn","score":180,"id":7})", TRoomRequest{TRoomRequestKind::Turn, 180, 0, {}, 7},
         ""},
        {R"({"op":"checkout","score":40,"darts":2})",
         TRoomRequest{TRoomRequestKind::Checkout, 40, 2, {}, -1}, ""},
        {R"({"op":"darts","darts":"T20 t19 miss"})",
         TRoomRequest{TRoomRequestKind::Darts, 0, 0, {{20, 3}, {19, 3}, {0, 1}}, -1}, ""},
        {R"({"op":"darts","darts":""})", TRoomRequest{TRoomRequestKind::Darts, 0, 0, {}, -1}, ""},
        {R"({"op":"undo","id":0})", TRoomRequest{TRoomRequestKind::Undo, 0, 0, {}, 0}, ""},
        {R"({"op":"next"})", TRoomRequest{TRoomRequestKind::NextLeg, 0, 0, {}, -1}, ""},
        {R"({"op":"undo","for":12})", TRoomRequest{TRoomRequestKind::Undo, 0, 0, {}, -1, 12}, ""},
        {R"({"op":"left","left":141,"for":3})",
         TRoomRequest{TRoomRequestKind::Left, 0, 0, {}, -1, 3, 141}, ""},
        {R"({"op":"left","left":0})", TRoomRequest{TRoomRequestKind::Left, 0, 0, {}, -1}, ""},
        {R"({"op":"left","left":1000})", std::nullopt, "\"left\""},
        {R"({"op":"left","score":141})", std::nullopt, "\"left\""},
        {R"({"op":"turn","score":60,"for":-1})", std::nullopt, "\"for\""},
        {R"({"op":"turn","score":60,"for":"3"})", std::nullopt, "\"for\""},
        {R"({"op":"turn","score":181})", TRoomRequest{TRoomRequestKind::Turn, 181, 0, {}, -1}, ""},
        {R"({"op":"turn","score":1000})", std::nullopt, "0 to 999"},
        {R"({"op":"turn","score":-1})", std::nullopt, "0 to 999"},
        {R"({"op":"turn","score":60.5})", std::nullopt, "whole number"},
        {R"({"op":"turn","score":"60"})", std::nullopt, "whole number"},
        {R"({"op":"turn"})", std::nullopt, "score"},
        {R"({"op":"checkout","score":40,"darts":4})", std::nullopt, "1, 2 or 3"},
        {R"({"op":"checkout","score":40})", std::nullopt, "1, 2 or 3"},
        {R"({"op":"darts","darts":"T20 T20 T20 T20"})", std::nullopt, "three darts"},
        {R"({"op":"darts","darts":"T25"})", std::nullopt, "is not a dart"},
        {R"({"op":"darts","darts":3})", std::nullopt, "three darts"},
        {R"({"op":"undo","id":-3})", std::nullopt, "id"},
        {R"({"op":"undo","id":1e30})", std::nullopt, "id"},
        {R"({"op":"shutdown"})", std::nullopt, "Unknown"},
        {R"(["op","turn"])", std::nullopt, "JSON object"},
        {R"({"op":"turn","score":60)", std::nullopt, "JSON object"},
        {"", std::nullopt, "JSON object"},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Message);
        QString error;
        const std::optional<TRoomRequest> request =
            ParseRoomRequest(QByteArray(test.Message), error);
        EXPECT_EQ(request, test.Expected);
        if (request) {
            QString again;
            EXPECT_EQ(ParseRoomRequest(RoomRequestJson(*request), again), request);
        } else {
            EXPECT_TRUE(error.contains(QString::fromUtf8(test.Reason))) << error.toStdString();
        }
    }
    // A message over 4 KiB is refused before it is read, whatever it holds.
    QByteArray padded = R"({"op":"undo","pad":")";
    padded += QByteArray(kMaxMessageBytes, 'x') + R"("})";
    QString error;
    EXPECT_FALSE(ParseRoomRequest(padded, error));
    EXPECT_TRUE(error.contains(QStringLiteral("too long")));
}
