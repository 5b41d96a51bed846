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
    std::vector<std::string> Turns;
    std::vector<std::string> Headlines;
    int32_t ToThrow; // -1: the game is over
    int32_t Winner;
};

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

const std::string kMisses = "m m m";

} // namespace

TEST(PubGames, PlayByTheirRules)
{
    const std::vector<TRuleCase> cases = {
        // Shanghai: only the round's number scores, at its ring's value.
        {"shanghai scores the round's number only",
         TGameKind::Shanghai,
         2,
         {"S1 T1 S20", "D1 m m", "D2 T2 S3"},
         {"14", "2"},
         1,
         -1},
        {"shanghai on the last dart wins at once",
         TGameKind::Shanghai,
         3,
         {kMisses, kMisses, kMisses, "T2 D2 S2"},
         {"12", "0", "0"},
         -1,
         0},
        {"a single, double and treble in any order is a shanghai",
         TGameKind::Shanghai,
         2,
         {"D1 S1 T1"},
         {"6", "0"},
         -1,
         0},
        {"two singles and a treble are no shanghai",
         TGameKind::Shanghai,
         2,
         {"S1 S1 T1"},
         {"5", "0"},
         1,
         -1},
        {"the most points after round seven win",
         TGameKind::Shanghai,
         2,
         {"S1", "m", "S2", "m", "S3", "m", "S4", "m", "S5", "m", "S6", "m", "S7", "T7"},
         {"28", "21"},
         -1,
         0},
        {"level leaders share the win",
         TGameKind::Shanghai,
         2,
         {"S1", "S1", "m", "m", "m", "m", "m", "m", "m", "m", "m", "m", "m", "m"},
         {"1", "1"},
         -1,
         -1},
        // Halve-It: the round's target, then halving on a turn without a hit.
        {"halve-it scores hits and halves a turn without one",
         TGameKind::HalveIt,
         2,
         {"T15 S15 S1", "S1 m m", "S16", "S16 D16"},
         {"76", "48"},
         0,
         -1},
        {"halving 1 leaves 0; halving 0 leaves 0",
         TGameKind::HalveIt,
         1,
         {"m", "m", "m", "m"},
         {"0"},
         0,
         -1},
        {"halving an odd score rounds down",
         TGameKind::HalveIt,
         1,
         {"T15 S15 S15", "S1"},
         {"37"},
         0,
         -1},
        {"any double takes the bull; any treble takes no double",
         TGameKind::HalveIt,
         1,
         {"S15", "S16", "bull D1", "S17", "S18", "D20 D19"},
         {"59"},
         0,
         -1},
        {"the bull round takes both bulls and the game ends after it",
         TGameKind::HalveIt,
         1,
         {"S15", "S16", "D1", "S17", "S18", "T1", "S19", "S20", "25 bull"},
         {"185"},
         -1,
         0},
        // Killer: a double or treble of one's own number makes a killer; a killer's hits take
        // lives, its own included.
        {"a single of one's own number makes no killer",
         TGameKind::Killer,
         3,
         {"S{0} S{0} S{0}"},
         {"{0}", "{1}", "{2}"},
         1,
         -1},
        {"a killer takes a life with a double or treble, once a dart",
         TGameKind::Killer,
         3,
         {"D{0} T{1} D{1}"},
         {"Killer", "{1}", "{2}"},
         1,
         -1},
        {"a killer's hit on its own number takes its own life",
         TGameKind::Killer,
         3,
         {"T{0} D{0} D{0}", kMisses, kMisses, "D{0}"},
         {"Out", "{1}", "{2}"},
         1,
         -1},
        {"a side out throws no more and the last side in wins",
         TGameKind::Killer,
         3,
         {"D{0} T{1} D{1}", kMisses, kMisses, "D{1} D{2} D{2}", kMisses, "D{2}"},
         {"Killer", "Out", "Out"},
         -1,
         0},
    };
    for (const TRuleCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::unique_ptr<CDartsGame> game = MakeGame(c.Kind, c.Players, 0, 2026);
        for (const std::string& text : c.Turns) {
            std::vector<TDart> darts;
            ASSERT_TRUE(ParseDarts(Numbered(*game, text), darts)) << text;
            ASSERT_TRUE(game->AddTurn(darts)) << Numbered(*game, text);
        }
        std::vector<std::string> expected;
        for (const std::string& headline : c.Headlines) {
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
