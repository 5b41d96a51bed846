// Shanghai, Halve-It and Killer by their rules: each case plays its turns in throwing order from
// side 0 and reads each side's headline, who is to throw and who won. In Killer's turns "{1}"
// stands for side 1's drawn number.

#include "games/HalveIt.h"
#include "games/Killer.h"
#include "games/Shanghai.h"
#include "model/DartNotation.h"

#include <gtest/gtest.h>
#include <set>

namespace {

struct TRuleCase
{
    const char* Name;
    TGameKind Kind;
    int32_t Players;
    const char* Turns;     // in throwing order from side 0, split by '|' ("": three misses)
    const char* Headlines; // each side's, split by ' '
    int32_t ToThrow;       // -1: the game is over
    int32_t Winner;
};

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (c == separator) {
            parts.emplace_back();
        } else {
            parts.back().push_back(c);
        }
    }
    return parts;
}

// "{n}" in a turn becomes side n's number in `game` (Killer).
std::string Numbered(const CDartsGame& game, std::string turn)
{
    const auto* killer = dynamic_cast<const CKiller*>(&game);
    for (size_t open = turn.find('{'); open != std::string::npos; open = turn.find('{')) {
        const int32_t side = turn[open + 1] - '0';
        turn.replace(open, 3, std::to_string(killer != nullptr ? killer->Number(side) : 0));
    }
    return turn;
}

} // namespace

TEST(PubGames, PlayByTheirRules)
{
    using enum TGameKind;
    const TRuleCase cases[] = {
        // Shanghai: only the round's number scores, at its ring's value.
        {"the round's number only", Shanghai, 2, "S1 T1 S20|D1 m m|D2 T2 S3", "14 2", 1, -1},
        {"a shanghai on the last dart wins at once", Shanghai, 3, "|||T2 D2 S2", "12 0 0", -1, 0},
        {"in any order", Shanghai, 2, "D1 S1 T1", "6 0", -1, 0},
        {"two singles and a treble are none", Shanghai, 2, "S1 S1 T1", "5 0", 1, -1},
        {"most points after round 7", Shanghai, 2, "S1||S2||S3||S4||S5||S6||S7|T7", "28 21", -1, 0},
        {"level leaders share the win", Shanghai, 2, "S1|S1||||||||||||", "1 1", -1, -1},
        // Halve-It: the round's target, then halving on a turn without a hit.
        {"hits score, a miss halves", HalveIt, 2, "T15 S15 S1|S1 m m|S16|S16 D16", "76 48", 0, -1},
        {"halving 1 leaves 0", HalveIt, 1, "S15||||", "0", 0, -1},
        {"halving rounds down", HalveIt, 1, "T15 S15 S15|S1", "37", 0, -1},
        {"the bull is a double; no double is a treble", HalveIt, 1,
         "S15|S16|bull D1|S17|S18|D20 D19", "59", 0, -1},
        {"the bull round takes both bulls, then the end", HalveIt, 1,
         "S15|S16|D1|S17|S18|T1|S19|S20|25 bull", "185", -1, 0},
        // Killer: a double or treble of one's own number makes a killer; a killer's hits take
        // lives, its own included.
        {"a single makes no killer", Killer, 3, "S{0} S{0} S{0}", "{0} {1} {2}", 1, -1},
        {"one life a double or treble", Killer, 3, "D{0} T{1} D{1}", "Killer {1} {2}", 1, -1},
        {"a killer's own number takes its life", Killer, 3, "T{0} D{0} D{0}|||D{0}", "Out {1} {2}",
         1, -1},
        {"the last side in wins", Killer, 3, "D{0} T{1} D{1}|||D{1} D{2} D{2}||D{2}",
         "Killer Out Out", -1, 0},
    };
    for (const TRuleCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::unique_ptr<CDartsGame> game = MakeGame(c.Kind, c.Players, 0, 2026);
        for (const std::string& text : Split(c.Turns, '|')) {
            std::vector<TDart> darts;
            ASSERT_TRUE(ParseDarts(Numbered(*game, text), darts)) << text;
            ASSERT_TRUE(game->AddTurn(darts)) << Numbered(*game, text);
        }
        std::vector<std::string> expected;
        for (const std::string& headline : Split(c.Headlines, ' ')) {
            expected.push_back(Numbered(*game, headline));
        }
        EXPECT_EQ(game->Table().Headlines, expected);
        EXPECT_EQ(game->PlayerToThrow(), c.ToThrow);
        EXPECT_EQ(game->Over(), c.ToThrow < 0);
        EXPECT_EQ(game->Winner(), c.Winner);
    }
}

// The turn ends at the dart that ends the game or puts the thrower out: no dart may follow, and
// the darts not thrown are not counted. Killer's draw is the seed's, never two numbers alike.
TEST(PubGames, TurnsEndWhereTheGameDoesAndTheDrawIsFair)
{
    CShanghai shanghai(2, CShanghai::kShortRounds);
    std::vector<TDart> darts;
    ASSERT_TRUE(ParseDarts("T1 S1 D1", darts));
    ASSERT_TRUE(shanghai.AddTurn(darts));
    EXPECT_EQ(shanghai.DartsThrown(0), 3);
    EXPECT_EQ(shanghai.CheckTurn({}), TTurnRefusal::GameOver);

    CKiller killer(3, 7);
    ASSERT_TRUE(ParseDarts("D" + std::to_string(killer.Number(0)), darts));
    ASSERT_TRUE(killer.AddTurn(darts));
    const TDart own{killer.Number(0), 2};
    ASSERT_TRUE(killer.AddTurn({}));
    ASSERT_TRUE(killer.AddTurn({}));
    EXPECT_TRUE(killer.AddTurn({own, own}));
    ASSERT_TRUE(killer.AddTurn({}));
    ASSERT_TRUE(killer.AddTurn({}));
    EXPECT_EQ(killer.CheckTurn({own, {20, 1}}), TTurnRefusal::DartAfterEnd);
    ASSERT_TRUE(killer.AddTurn({own}));
    EXPECT_EQ(killer.Lives(0), 0);
    EXPECT_EQ(killer.DartsThrown(0), 3 + 3 + 1);
    EXPECT_EQ(killer.PlayerToThrow(), 1);

    std::set<std::vector<int32_t>> draws;
    for (uint64_t seed = 0; seed < 200; ++seed) {
        const std::vector<int32_t> numbers = CKiller::DrawNumbers(8, seed);
        EXPECT_EQ(std::set<int32_t>(numbers.begin(), numbers.end()).size(), 8U);
        EXPECT_TRUE(std::all_of(numbers.begin(), numbers.end(),
                                [](int32_t number) { return number >= 1 && number <= 20; }));
        EXPECT_EQ(numbers, CKiller::DrawNumbers(8, seed));
        draws.insert(numbers);
    }
    EXPECT_GT(draws.size(), 190U);
}
