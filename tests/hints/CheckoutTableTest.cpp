#include "ui/hints/CheckoutTable.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

TEST(CheckoutTableReader, SectionLinesInFileOrderWithoutKeys)
{
    const CCheckoutTable table = CCheckoutTable::FromText("[100]\n"
                                                          "b=T20 D20\n"
                                                          "a = Bull Bull \n"
                                                          "c=T19 3 D20\n"
                                                          "[101]\n"
                                                          "1=T17 Bull\n");
    EXPECT_EQ(table.Hints(100), (Lines{"T20 D20", "Bull Bull", "T19 3 D20"}));
    EXPECT_EQ(table.Hints(101), (Lines{"T17 Bull"}));
    EXPECT_EQ(table.Hints(102), Lines{});
    EXPECT_EQ(table.Hints(-1), Lines{});
}

TEST(CheckoutTableReader, RepeatedKeyShowsItsFirstValueEachTime)
{
    const CCheckoutTable table =
        CCheckoutTable::FromText("[40]\n1=D20\n2=20 D10\nK=x\n1=ignored\nk=y\n");
    EXPECT_EQ(table.Hints(40), (Lines{"D20", "20 D10", "x", "D20", "x"}));
}

TEST(CheckoutTableReader, CommentsBlankLinesAndLinesWithoutEqualsAreSkipped)
{
    const CCheckoutTable table = CCheckoutTable::FromText("; heading\n"
                                                          "# another\n"
                                                          "\n"
                                                          "[32]\n"
                                                          "   \n"
                                                          "; 1=commented out\n"
                                                          "just words\n"
                                                          "1=D16\n"
                                                          "[\n"
                                                          "2=16 D8\n");
    EXPECT_EQ(table.Hints(32), (Lines{"D16", "16 D8"}));
}

TEST(CheckoutTableReader, SectionNamesIgnoreCaseAndTheFirstOfTwoWins)
{
    const CCheckoutTable table =
        CCheckoutTable::FromText("[Bull]\n1=first\n[ bull ]\n1=second\n[BULL]\n1=third\n");
    EXPECT_EQ(table.SectionValues("bULL"), (Lines{"first"}));
    EXPECT_EQ(table.SectionCount(), 1u);
}

TEST(CheckoutTableReader, ByteOrderMarkCrLfAndUtf8)
{
    const CCheckoutTable table = CCheckoutTable::FromText(
        "\xEF\xBB\xBF[170]\r\n1=T20 T20 Bull\r\n2=Zw\xC3\xB6lf \xE2\x86\x92 Bull\r\n");
    EXPECT_EQ(table.Hints(170), (Lines{"T20 T20 Bull", "Zw\xC3\xB6lf \xE2\x86\x92 Bull"}));
}

// Tables written on Windows read as the Windows profile functions read them.
struct TWindowsCase
{
    const char* Name;
    std::string Text;
    Lines Expected; // the lines of section [41]
};

std::string Utf16(std::u16string_view text, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

TEST(CheckoutTableReader, ReadAsWindowsReadsIt)
{
    const std::vector<TWindowsCase> cases = {
        {"quotes",
         "[41]\n1=\"9 D16\"\n2='1 D20'\n3=\"x'\n4=\"\n5= \" 25 D8 \" \n",
         {"9 D16", "1 D20", "\"x'", "\"", " 25 D8 "}},
        {"UTF-16 LE",
         Utf16(u"[41]\r\n1=9 D16\r\n2=Zw\u00F6lf \U0001F3AF\r\n", false),
         {"9 D16", "Zw\xC3\xB6lf \xF0\x9F\x8E\xAF"}},
        {"UTF-16 BE", Utf16(u"[41]\n1=9 D16\n", true), {"9 D16"}},
        {"Windows-1252",
         "[41]\n1=Bull \xBD\n2=Caf\xE9 \x80\n",
         {"Bull \xC2\xBD", "Caf\xC3\xA9 \xE2\x82\xAC"}},
        {"hash is no comment", "[41]\n#1=9 D16\n;2=hidden\n# no equals\n", {"9 D16"}},
        {"bare CR", "[40]\r1=D20\r[41]\r1=9 D16\r2=1 D20", {"9 D16", "1 D20"}},
        {"UTF-8 stays UTF-8", "[41]\n1=\xC2\xBD\n", {"\xC2\xBD"}},
    };
    for (const TWindowsCase& test : cases) {
        EXPECT_EQ(CCheckoutTable::FromText(test.Text).Hints(41), test.Expected) << test.Name;
    }
}

TEST(CheckoutTableReader, LongLinesAndGarbageDoNotBreakIt)
{
    const std::string longValue(10000, 'x');
    std::string text = "[60]\n1=" + longValue + "\n";
    static constexpr char kGarbage[] = "\x00\xFF\xFE[\x01]\x7F=\x80\n";
    text.append(kGarbage, sizeof kGarbage - 1);
    text += "2=20 D20\n[61]\n1=T11 D14\n";
    const CCheckoutTable table = CCheckoutTable::FromText(text);
    const Lines lines = table.Hints(60);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], longValue);
    EXPECT_EQ(lines[2], "20 D20");
    EXPECT_EQ(table.Hints(61), (Lines{"T11 D14"}));
}

TEST(CheckoutTableReader, EmptyAndHeaderlessTexts)
{
    EXPECT_EQ(CCheckoutTable::FromText("").Hints(2), Lines{});
    EXPECT_EQ(CCheckoutTable::FromText("1=D1\n").Hints(2), Lines{});
    EXPECT_EQ(CCheckoutTable::FromText("[2]").Hints(2), Lines{});
    EXPECT_EQ(CCheckoutTable::FromText("[2]\n1=D1").Hints(2), Lines{"D1"});
}

TEST(CheckoutTableReader, MissingFileOrDirectoryOpensNothing)
{
    EXPECT_FALSE(CCheckoutTable::Open(testing::TempDir() + "no-such-table.ini").has_value());
    // Reading a directory fails inside the stream, which must not escape as an exception.
    EXPECT_FALSE(CCheckoutTable::Open(testing::TempDir()).has_value());
}

// A table far larger than any real one still opens and answers at once.
TEST(CheckoutTableReader, HundredThousandSectionsOpenQuickly)
{
    const std::string path = testing::TempDir() + "large-table.ini";
    {
        std::ofstream file(path, std::ios::binary);
        for (int section = 0; section < 100000; ++section) {
            file << '[' << section << "]\n1=T20 T20 D" << section % 20 + 1 << "\n2=alternative "
                 << section << "\n3=" << std::string(20, 'r') << '\n';
        }
    }
    const auto start = std::chrono::steady_clock::now();
    const std::optional<CCheckoutTable> table = CCheckoutTable::Open(path);
    const Lines lines = table ? table->Hints(99999) : Lines{};
    const auto elapsed = std::chrono::steady_clock::now() - start;
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(table->SectionCount(), 100000u);
    EXPECT_EQ(lines, (Lines{"T20 T20 D20", "alternative 99999", std::string(20, 'r')}));
    const auto millis = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
    RecordProperty("open_and_lookup_ms", static_cast<int>(millis));
    std::printf("100,000 sections: opened and looked up in %lld ms\n",
                static_cast<long long>(millis));
#ifdef NDEBUG
    EXPECT_LT(millis, 250); // an optimised build takes about 40 ms
#else
    EXPECT_LT(millis, 5000); // debug and sanitizer builds: only that it ends, not how fast
#endif
    std::remove(path.c_str());
}

} // namespace
