// The checkout table that ships with the program, checked on its own terms: every route is a
// real finish for its section's total, and every total that can be finished has routes.

#include "ui/hints/CheckoutTable.h"

#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <sstream>

namespace {

struct TDart
{
    int Points = 0;
    bool Finishes = false;
};

// "19", "D16", "T20", "25", "Bull"; nothing else is a bed of the board.
std::optional<TDart> ParseDart(const std::string& name)
{
    if (name == "Bull") {
        return TDart{50, true};
    }
    if (name == "25") {
        return TDart{25, false};
    }
    int multiplier = 1;
    std::string digits = name;
    if (!name.empty() && (name[0] == 'D' || name[0] == 'T')) {
        multiplier = name[0] == 'D' ? 2 : 3;
        digits = name.substr(1);
    }
    if (digits.empty() || digits.size() > 2 || digits[0] == '0' ||
        digits.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const int number = std::stoi(digits);
    if (number < 1 || number > 20) {
        return std::nullopt;
    }
    return TDart{number * multiplier, multiplier == 2};
}

// The fewest darts that finish each total, by trying every combination.
std::map<int, int> FinishClasses()
{
    std::vector<int> any{0};
    std::vector<int> doubles{50};
    for (int n = 1; n <= 20; ++n) {
        any.insert(any.end(), {n, 2 * n, 3 * n});
        doubles.push_back(2 * n);
    }
    any.insert(any.end(), {25, 50});
    std::map<int, int> classes;
    for (int last : doubles) {
        for (int a : any) {
            for (int b : any) {
                const int darts = 1 + (a != 0) + (b != 0);
                auto [entry, added] = classes.try_emplace(a + b + last, darts);
                entry->second = std::min(entry->second, darts);
            }
        }
    }
    return classes;
}

const CCheckoutTable& Shipped()
{
    static const std::optional<CCheckoutTable> table = CCheckoutTable::Open(VTX_SHIPPED_TABLE);
    EXPECT_TRUE(table.has_value()) << VTX_SHIPPED_TABLE;
    static const CCheckoutTable empty = CCheckoutTable::FromText("");
    return table ? *table : empty;
}

TEST(ShippedTable, EveryFinishableTotalHasRoutesAndNoOtherDoes)
{
    const std::map<int, int> classes = FinishClasses();
    for (int score = -1; score <= 200; ++score) {
        const auto found = classes.find(score);
        const bool finishable = found != classes.end() && score >= 2 && score <= 170;
        const auto hints = Shipped().Hints(score);
        EXPECT_EQ(!hints.empty(), finishable) << "score " << score;
        EXPECT_LE(hints.size(), 3u) << "score " << score;
    }
    // The 169 totals from 2 to 170, less the seven no turn finishes: 159, 162, 163, 165, ...
    EXPECT_EQ(Shipped().SectionCount(), 162u);
}

TEST(ShippedTable, EveryRouteIsARealFinish)
{
    const std::map<int, int> classes = FinishClasses();
    for (int score = 2; score <= 170; ++score) {
        const auto hints = Shipped().Hints(score);
        for (size_t index = 0; index < hints.size(); ++index) {
            const std::string& route = hints[index];
            SCOPED_TRACE("score " + std::to_string(score) + ": \"" + route + "\"");
            EXPECT_EQ(route.find("  "), std::string::npos);
            std::istringstream darts(route);
            std::string name;
            int total = 0;
            int count = 0;
            TDart last;
            while (darts >> name) {
                const std::optional<TDart> dart = ParseDart(name);
                ASSERT_TRUE(dart.has_value()) << "not a bed: " << name;
                total += dart->Points;
                last = *dart;
                ++count;
            }
            EXPECT_EQ(total, score);
            EXPECT_GE(count, 1);
            EXPECT_LE(count, 3);
            EXPECT_TRUE(last.Finishes) << "does not end on a double or the bull";
            if (index == 0) {
                EXPECT_EQ(count, classes.at(score)) << "the first route takes the fewest darts";
            }
        }
    }
}

TEST(ShippedTable, TheClassicRoutesComeFirst)
{
    // The first routes of a professional checkout chart: a double before the Bull, set-up
    // darts that leave a favourite double.
    const std::map<int, std::string> classics = {
        {170, "T20 T20 Bull"}, {167, "T20 T19 Bull"}, {164, "T20 T18 Bull"}, {161, "T20 T17 Bull"},
        {160, "T20 T20 D20"},  {140, "T20 T20 D10"},  {110, "T20 Bull"},     {107, "T19 Bull"},
        {100, "T20 D20"},      {81, "T19 D12"},       {80, "T20 D10"},       {63, "T13 D12"},
        {60, "20 D20"},        {50, "Bull"},          {41, "9 D16"},         {40, "D20"},
        {32, "D16"},
    };
    for (const auto& [score, route] : classics) {
        const auto hints = Shipped().Hints(score);
        ASSERT_FALSE(hints.empty()) << score;
        EXPECT_EQ(hints.front(), route) << score;
    }
}

} // namespace
