// What the boards send, read: every soft-tip message against its published table, the camera
// service's state messages, and the service's address as the settings give it.

#include "boards/CameraMessages.h"
#include "boards/GranboardMessages.h"
#include "model/DartNotation.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

TEST(GranboardMessages, EveryMessageOfTheTableIsItsDartAndNothingElseIsOne)
{
    std::ifstream table(VTX_BOARDS_DATA "/granboard-messages.tsv");
    ASSERT_TRUE(table.good());
    std::string line;
    int rows = 0;
    while (std::getline(table, line)) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        std::istringstream fields(line);
        std::string message;
        std::string dart;
        std::getline(fields, message, '\t');
        std::getline(fields, dart, '\t');
        ++rows;
        SCOPED_TRACE(message);
        if (dart == "-") {
            EXPECT_EQ(GranboardDart(message), std::nullopt);
            EXPECT_TRUE(GranboardButton(message));
            continue;
        }
        std::vector<TDart> expected;
        ASSERT_TRUE(ParseDarts(dart, expected));
        EXPECT_EQ(GranboardDart(message), expected.at(0));
        EXPECT_EQ(GranboardDart(message + std::string("\0\r\n", 3)), expected.at(0));
        EXPECT_FALSE(GranboardButton(message));
    }
    EXPECT_EQ(rows, 84);
    for (const char* junk :
         {"", "@", "3.4", "3.4@@", " 3.4@", "12.0@", "3.7@", "BTN", "btn@", "OUT", "4.0@x"}) {
        EXPECT_EQ(GranboardDart(junk), std::nullopt) << junk;
        EXPECT_FALSE(GranboardButton(junk)) << junk;
    }
}

TEST(CameraMessages, ReadsTheVisitAndRefusesWhatIsNoState)
{
    const auto state = [](const char* data) {
        return QByteArray(R"({"type":"state","data":)") + data + "}";
    };
    struct TCase
    {
        QByteArray Message;
        std::optional<TCameraState> Expected;
        bool Error;
    };
    const std::vector<TCase> cases = {
        {state(R"({"connected":true,"running":true,"status":"Throw","event":"Throw detected",
            "numThrows":2,"throws":[
              {"segment":{"name":"T20","number":20,"bed":"Triple","multiplier":3},
               "coords":{"x":0.01,"y":-0.6}},
              {"segment":{"name":"S5","number":5,"bed":"SingleInner","multiplier":1}}]})"),
         TCameraState{
             true, true, TCameraStatus::Throw, TCameraEvent::ThrowDetected, {{20, 3}, {5, 1}}},
         false},
        // The bull as some versions spell it, a miss, a bed without its multiplier.
        {state(R"({"event":"Throw detected","throws":[
              {"segment":{"number":25,"bed":"Double","multiplier":2}},
              {"segment":{"number":25,"bed":"Single","multiplier":1}},
              {"segment":{"name":"Miss","number":0,"bed":"Outside","multiplier":0}},
              {"segment":{"number":16,"bed":"Double"}}]})"),
         TCameraState{false,
                      false,
                      TCameraStatus::Other,
                      TCameraEvent::ThrowDetected,
                      {{25, 2}, {25, 1}, {0, 1}, {16, 2}}},
         false},
        {state(R"({"status":"Takeout in progress","event":"Takeout started","numThrows":3})"),
         TCameraState{false, false, TCameraStatus::Takeout, TCameraEvent::TakeoutStarted, {}},
         false},
        {state(R"({"event":"Manual reset","numThrows":0})"),
         TCameraState{false, false, TCameraStatus::Other, TCameraEvent::ManualReset, {}}, false},
        {state(R"({"event":"Calibration finished"})"), TCameraState{}, false},
        {R"({"type":"version","data":{}})", std::nullopt, false},
        {"{not json", std::nullopt, true},
        {"[1,2]", std::nullopt, true},
        {R"({"type":"state"})", std::nullopt, true},
        {state(R"({"throws":{"segment":{}}})"), std::nullopt, true},
        {state(R"({"throws":[{"segment":{"number":25,"multiplier":3}}]})"), std::nullopt, true},
        {state(R"({"throws":[{"segment":{"number":21,"multiplier":1}}]})"), std::nullopt, true},
        {state(R"({"throws":[{"segment":{"number":20.5,"multiplier":1}}]})"), std::nullopt, true},
        {state(R"({"throws":[{"segment":{"number":"20","multiplier":1}}]})"), std::nullopt, true},
        {state(R"({"throws":[{"segment":{"number":20,"multiplier":4}}]})"), std::nullopt, true},
        {state(R"({"throws":[)" + QByteArray("{\"segment\":{\"number\":1}},").repeated(13) +
               R"({"segment":{"number":1}}]})"),
         std::nullopt, true},
        {QByteArray(kMaxCameraMessageBytes + 1, ' '), std::nullopt, true},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Message.left(120).toStdString());
        QString error;
        const std::optional<TCameraState> read = ParseCameraMessage(test.Message, error);
        EXPECT_EQ(read, test.Expected);
        EXPECT_EQ(!error.isEmpty(), test.Error) << error.toStdString();
        if (read) {
            // What the service would send for it reads back the same.
            EXPECT_EQ(ParseCameraMessage(CameraStateJson(*read), error), read);
        }
    }
}

TEST(CameraMessages, TheServiceAddressIsHostAndPortOrEither)
{
    struct TCase
    {
        const char* Text;
        bool Usable;
        const char* Host;
        quint16 Port;
    };
    for (const TCase& test : std::vector<TCase>{
             {"192.168.1.20:3180", true, "192.168.1.20", 3180},
             {" board.local:4000 ", true, "board.local", 4000},
             {"board-pc", true, "board-pc", 3180},
             {"3181", true, "127.0.0.1", 3181},
             {":3182", true, "127.0.0.1", 3182},
             {"host:0", false, "", 0},
             {"host:65536", false, "", 0},
             {"host:port", false, "", 0},
             {"ws://host:3180", false, "", 0},
             {"host/path:3180", false, "", 0},
         }) {
        SCOPED_TRACE(test.Text);
        QString host;
        quint16 port = 0;
        EXPECT_EQ(ParseCameraAddress(QString::fromLatin1(test.Text), host, port), test.Usable);
        if (test.Usable) {
            EXPECT_EQ(host, QString::fromLatin1(test.Host));
            EXPECT_EQ(port, test.Port);
        }
    }
}
