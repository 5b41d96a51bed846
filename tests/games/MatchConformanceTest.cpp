// Every kind of match answers the one match shape alike: it starts with its first thrower, takes
// a turn and passes the throw, refuses what it cannot take with its reason and changes nothing
// then, takes every operation its check accepts, undoes, starts and takes back a next leg,
// decides its winner, and comes back the same when its operations are replayed.

#include "games/DartsGame.h"
#include "games/GamesMatch.h"
#include "games/MatchFactory.h"
#include "model/DartNotation.h"
#include "model/MatchTally.h"
#include "model/UnitVTXGameLogic.h"

#include <gtest/gtest.h>
#include <random>

namespace {

struct TKindCase
{
    const char* Game;
    TRefusal Correction; // what a correction of turn 99 of side 0 is told
};

// What an observer can see of a match: equal before and after a refused operation.
std::vector<int64_t> Seen(const CMatch& match)
{
    std::vector<int64_t> seen{match.LegCount(), match.SideToThrow(), match.MatchWinner(),
                              match.LegOver(),  match.SetNumber(),   match.LegNumberInSet(),
                              match.LegWinner()};
    for (int32_t side = 0; side < match.Sides(); ++side) {
        const TPlayerStats figures = match.SideFigures(side);
        seen.insert(seen.end(),
                    {match.LegsWon(side), match.SetsWon(side), match.LegsInSet(side),
                     match.ThrowerToThrow(side), figures.DartsThrown, figures.PointsScored});
    }
    return seen;
}

TMatchOperation RandomOperation(const CMatch& match, std::mt19937& random)
{
    const auto pick = [&random](int32_t n) {
        return std::uniform_int_distribution<int32_t>(0, n - 1)(random);
    };
    const int32_t roll = pick(2000);
    if (roll < 10) {
        return {TOperationKind::Undo};
    }
    if (roll == 10) { // a leg left unfinished now and then
        return {TOperationKind::NextLeg};
    }
    if (roll < 20) {
        return {TOperationKind::UndoNextLeg};
    }
    TMatchOperation turn{TOperationKind::Turn, roll < 100 ? pick(3) : match.SideToThrow()};
    // Mostly the 20, the bull and any number, sometimes none (three misses) or a miss, now
    // and then a fourth dart or a treble bull, which no board has.
    for (int32_t count = pick(roll < 200 ? 5 : 4); count > 0; --count) {
        const int32_t kind = pick(6);
        TDart dart{kind == 0 ? 20 : (kind == 1 ? 25 : 1 + pick(20)), 1 + pick(kind == 1 ? 2 : 3)};
        if (roll < 300 && count == 1) {
            dart = {25, 3};
        }
        turn.Thrown.push_back(pick(8) == 0 ? TDart{0, 1} : dart);
    }
    return turn;
}

class MatchConformance : public testing::TestWithParam<TKindCase>
{};

TEST_P(MatchConformance, AnswersTheOneMatchShape)
{
    TGameParams params;
    params.PlayerCount = 2;
    params.FirstPlayer = 1;
    params.StartScore = 101;
    params.CheckOutRule = true;
    params.LegsToWin = 2;
    params.PlayerNames = {"Anna", "Ben"};
    std::unique_ptr<CMatch> match = MakeMatch(GetParam().Game, params);
    ASSERT_EQ(match->Kind() == TGameKind::X01, GameKindOf(GetParam().Game) == TGameKind::X01);

    // Start: the first thrower throws, nothing is won, nothing can be taken back.
    EXPECT_EQ(match->LegCount(), 1);
    EXPECT_EQ(match->SideToThrow(), 1);
    EXPECT_EQ(match->PlayerName(1), "Ben");
    EXPECT_FALSE(match->LegOver());
    EXPECT_EQ(match->LegWinner(), -1);
    EXPECT_EQ(match->MatchWinner(), -1);
    EXPECT_EQ(match->Check({TOperationKind::Undo}).Refusal, TRefusal::NothingToUndo);
    EXPECT_EQ(match->Check({TOperationKind::UndoNextLeg}).Refusal, TRefusal::NextLegUnderway);
    EXPECT_EQ(match->Check({TOperationKind::Correction, 0, 99, 20}).Refusal, GetParam().Correction);

    // A turn passes the throw; its undo gives it back; a next leg and its undo leave the leg.
    const TMatchOperation turn{TOperationKind::Turn, 1, 0, 0, 0, -1, {{20, 1}}};
    ASSERT_TRUE(match->Check(turn).Accepted());
    ASSERT_TRUE(match->Apply(turn));
    EXPECT_EQ(match->SideToThrow(), 0);
    EXPECT_EQ(match->Check({TOperationKind::UndoNextLeg}).Refusal, TRefusal::NextLegUnderway);
    ASSERT_TRUE(match->Apply({TOperationKind::Undo}));
    EXPECT_EQ(match->SideToThrow(), 1);
    ASSERT_TRUE(match->Apply({TOperationKind::NextLeg}));
    EXPECT_EQ(match->LegCount(), 2);
    EXPECT_EQ(match->SideToThrow(), 0); // the throw moves on from leg to leg
    ASSERT_TRUE(match->Apply({TOperationKind::UndoNextLeg}));
    EXPECT_EQ(match->LegCount(), 1);

    // Random operations until the match is won: the check and the apply agree on every one,
    // and a refused one changes nothing.
    std::mt19937 random(7);
    std::vector<TMatchOperation> applied = {
        turn, {TOperationKind::Undo}, {TOperationKind::NextLeg}, {TOperationKind::UndoNextLeg}};
    // The turns that stand as they were played (the other games): the sheet the match gives
    // afterwards must say the same, headline figures included.
    const auto* games = dynamic_cast<const CGamesMatch*>(match.get());
    std::vector<std::vector<std::string>> played;
    for (int step = 0; step < 20000 && match->MatchWinner() < 0; ++step) {
        TMatchOperation operation = RandomOperation(*match, random);
        if (match->LegOver() && operation.Kind != TOperationKind::Undo) {
            operation = {TOperationKind::NextLeg};
        }
        const std::vector<int64_t> before = Seen(*match);
        const TThrowCheck check = match->Check(operation);
        const bool taken = match->Apply(operation);
        ASSERT_EQ(taken, check.Accepted()) << step << " refusal " << int(check.Refusal);
        if (taken) {
            applied.push_back(operation);
            if (games != nullptr && operation.Kind == TOperationKind::Undo) {
                played.pop_back();
            } else if (games != nullptr && operation.Kind == TOperationKind::Turn) {
                const CDartsGame& leg = games->CurrentLeg();
                played.push_back({std::to_string(games->LegCount()),
                                  games->PlayerName(operation.Player),
                                  std::to_string(leg.TurnsOf(operation.Player)),
                                  DartsText(operation.Thrown, " "),
                                  leg.Table().Headlines[static_cast<size_t>(operation.Player)]});
            }
        } else {
            ASSERT_NE(check.Refusal, TRefusal::None);
            ASSERT_EQ(Seen(*match), before) << step;
        }
    }
    const int32_t winner = match->MatchWinner();
    ASSERT_GE(winner, 0) << "no winner in 20000 operations";
    EXPECT_EQ(match->LegsWon(winner), 2);
    EXPECT_TRUE(match->LegOver());
    EXPECT_EQ(match->LegWinner(), winner);
    EXPECT_EQ(match->SideToThrow(), -1);
    EXPECT_EQ(match->Check({TOperationKind::NextLeg}).Refusal, TRefusal::MatchOver);
    EXPECT_FALSE(match->Check({TOperationKind::Turn, 0}).Accepted());

    // Replayed from its operations, the match is the same match.
    std::unique_ptr<CMatch> replayed = MakeMatch(GetParam().Game, params);
    std::vector<size_t> skipped;
    EXPECT_TRUE(Replay(*replayed, applied, &skipped));
    EXPECT_TRUE(skipped.empty());
    EXPECT_EQ(Seen(*replayed), Seen(*match));
    if (games != nullptr) {
        EXPECT_GT(played.size(), 10U);
        EXPECT_EQ(match->TurnSheet().Rows, played);
    }
    EXPECT_EQ(replayed->TurnSheet().Rows, match->TurnSheet().Rows);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, MatchConformance,
                         testing::Values(TKindCase{"Standard 101", TRefusal::NoSuchTurn},
                                         TKindCase{"Cricket", TRefusal::NoCorrection},
                                         TKindCase{"Cut-Throat Cricket", TRefusal::NoCorrection},
                                         TKindCase{"Around the Clock", TRefusal::NoCorrection},
                                         TKindCase{"Around the Clock (fast)",
                                                   TRefusal::NoCorrection},
                                         TKindCase{"Bob's 27", TRefusal::NoCorrection},
                                         TKindCase{"121 Checkout Practice", TRefusal::NoCorrection},
                                         TKindCase{"Shanghai", TRefusal::NoCorrection},
                                         TKindCase{"Shanghai (1-20)", TRefusal::NoCorrection},
                                         TKindCase{"Halve-It", TRefusal::NoCorrection},
                                         TKindCase{"Killer", TRefusal::NoCorrection}),
                         [](const testing::TestParamInfo<TKindCase>& param) {
                             std::string name;
                             for (const char c : std::string(param.param.Game)) {
                                 name += std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
                             }
                             return name;
                         });

// The names a stored match may have: the X01 games by their start score, and the others.
TEST(MatchFactory, KnowsTheGamesThisVersionPlays)
{
    for (const auto& [name, known] :
         std::vector<std::pair<std::string, bool>>{{"Standard 501", true},
                                                   {"Standard 10", true},
                                                   {"Standard 9999", true},
                                                   {"Continous Points", true},
                                                   {"Cricket", true},
                                                   {"121 Checkout Practice", true},
                                                   {"Shanghai", true},
                                                   {"Shanghai (1-20)", true},
                                                   {"Halve-It", true},
                                                   {"Killer", true},
                                                   {"Standard 9", false},
                                                   {"Standard 10000", false},
                                                   {"Standard 0501", false},
                                                   {"Standard 50x", false},
                                                   {"Standard ", false},
                                                   {"Continuous Points", false},
                                                   {"", false}}) {
        EXPECT_EQ(IsKnownGame(name), known) << name;
    }
}

// The one tally of legs and sets: each case folds its legs' winners (-1: nobody won) and
// reads the figures after the last.
TEST(MatchTally, FoldsLegsIntoSetsAndAWinner)
{
    struct TCase
    {
        int32_t LegsToWin;
        int32_t SetsToWin;
        std::vector<int32_t> Winners;
        std::vector<int32_t> LegsInSet, SetsWon, LegsWon;
        int32_t SetIndex, LegInSet, Winner;
    };
    const std::vector<TCase> cases = {
        {0, 0, {0, 1, 1}, {1, 2}, {0, 0}, {1, 2}, 0, 3, -1}, // no length: legs go on
        {2, 0, {0, -1, 0}, {2, 0}, {0, 0}, {2, 0}, 0, 3, 0}, // a tie counts as a leg played
        {2, 0, {0, 0, 1}, {2, 0}, {0, 0}, {2, 0}, 0, 2, 0},  // nothing after the winner
        {2, 2, {0, 0, 1}, {0, 1}, {1, 0}, {2, 1}, 1, 1, -1}, // a set won starts the legs again
        {1, 2, {1, 0, 1}, {0, 0}, {1, 2}, {1, 2}, 3, 0, 1},  // sets of one leg
        {2, 1, {5, 1, 1}, {0, 0}, {0, 1}, {0, 2}, 1, 0, 1}}; // a side the tally lacks: none
    for (const TCase& c : cases) {
        TMatchTally tally(2);
        for (const int32_t winner : c.Winners) {
            tally.Fold(winner, c.LegsToWin, c.SetsToWin);
        }
        EXPECT_EQ(tally.LegsInSet, c.LegsInSet);
        EXPECT_EQ(tally.SetsWon, c.SetsWon);
        EXPECT_EQ(tally.LegsWon, c.LegsWon);
        EXPECT_EQ(tally.SetIndex, c.SetIndex);
        EXPECT_EQ(tally.LegInSet, c.LegInSet);
        EXPECT_EQ(tally.Winner, c.Winner);
    }
    EXPECT_EQ(TMatchTally::Of({3, 4}, 1), 4);
    EXPECT_EQ(TMatchTally::Of({3, 4}, 2), 0);
    EXPECT_EQ(TMatchTally::Of({3, 4}, -1), 0);
}

} // namespace
