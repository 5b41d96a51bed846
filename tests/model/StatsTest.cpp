#include "MatchTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(Stats, EmptyMatchAndUnknownPlayerGiveTheEmptyRecord)
{
    CGame game;
    const TPlayerStats none = game.GetPlayerStats(0);
    EXPECT_EQ(none.LowestTurn, 0);
    EXPECT_EQ(none.DartsPerLeg, 0.0);
    game.NewGame(GameParams(501));
    for (int32_t player : {-1, 2}) {
        const TPlayerStats stats = game.GetPlayerStats(player);
        EXPECT_EQ(stats.LegsWon, 0);
        EXPECT_EQ(stats.LowestTurn, 0);
        EXPECT_EQ(stats.DartsThrown, 0);
    }
}

TEST(Stats, OpeningEntriesOnlyGiveZerosAndNoLowestOf200)
{
    CGame game;
    game.NewGame(GameParams(501));
    game.NextLeg();
    const TPlayerStats stats = game.GetPlayerStats(1);
    EXPECT_EQ(stats.LowestTurn, 0);
    EXPECT_EQ(stats.HighestTurn, 0);
    EXPECT_EQ(stats.TurnAverage, 0.0);
    EXPECT_EQ(stats.DartAverage, 0.0);
    EXPECT_EQ(stats.DartsPerLeg, 0.0);
    EXPECT_EQ(stats.EffectiveOutShots, 0.0);
    EXPECT_EQ(stats.OutShotAverage, 0.0);
}

// Anna wins leg 1 with a 100 checkout, Ben wins leg 2 with 40 after Anna missed her chance at
// 21, and leg 3 has just begun.
TEST(Stats, FiguresAddUpOverSeveralLegs)
{
    CGame game;
    game.NewGame(GameParams(301, 2, 0));
    // Anna 301 -> 140 (chance) -> 100 (chance) -> 0 on two darts; Ben 301 -> 241 -> 196.
    ASSERT_TRUE(PlayTurns(game, {161, 60, 40, 45}));
    ASSERT_TRUE(game.CurrentLeg()->CurrentSheet()->AddThrow(-1, 2));
    ASSERT_TRUE(game.CurrentLeg()->GetSheet(0)->Won());
    // Ben starts: 301 -> 121 (chance) -> 40 (chance) -> 0; Anna 301 -> 201 -> 21 (chance).
    game.NextLeg();
    ASSERT_EQ(game.CurrentLeg()->PlayerToThrow(), 1);
    ASSERT_TRUE(PlayTurns(game, {180, 100, 81, 180, 40}));
    ASSERT_TRUE(game.CurrentLeg()->GetSheet(1)->Won());
    game.NextLeg();

    const TPlayerStats anna = game.GetPlayerStats(0);
    EXPECT_EQ(anna.LegsWon, 1);
    EXPECT_EQ(anna.PointsScored, 301 + 280);
    EXPECT_EQ(anna.DartsThrown, 3 * 3 - 1 + 2 * 3); // two-dart checkout in leg 1
    EXPECT_DOUBLE_EQ(anna.DartsPerLeg, 14.0 / 3.0); // divided by all three legs
    EXPECT_DOUBLE_EQ(anna.TurnAverage, 581.0 / 5.0);
    EXPECT_DOUBLE_EQ(anna.DartAverage, 581.0 / 14.0);
    EXPECT_EQ(anna.HighestTurn, 180);
    EXPECT_EQ(anna.LowestTurn, 40);
    EXPECT_EQ(anna.PossibleOutShots, 3);
    EXPECT_DOUBLE_EQ(anna.EffectiveOutShots, 100.0 / 3.0);
    EXPECT_EQ(anna.HighestOutShot, 100);
    EXPECT_EQ(anna.OutShotPoints, 100);
    EXPECT_DOUBLE_EQ(anna.OutShotAverage, 100.0 / 3.0);
    EXPECT_EQ(anna.Count60, 0);
    EXPECT_EQ(anna.Count100, 2);
    EXPECT_EQ(anna.Count140, 1);
    EXPECT_EQ(anna.Count180, 1);

    const TPlayerStats ben = game.GetPlayerStats(1);
    EXPECT_EQ(ben.LegsWon, 1);
    EXPECT_EQ(ben.PointsScored, 105 + 301);
    EXPECT_EQ(ben.DartsThrown, 6 + 9);
    EXPECT_EQ(ben.LowestTurn, 40);
    EXPECT_EQ(ben.HighestOutShot, 40);
    EXPECT_EQ(ben.OutShotPoints, 40);
    EXPECT_EQ(ben.PossibleOutShots, 2);
    EXPECT_DOUBLE_EQ(ben.EffectiveOutShots, 50.0);
    EXPECT_DOUBLE_EQ(ben.OutShotAverage, 20.0);
    EXPECT_EQ(ben.Count60, 2);
    EXPECT_EQ(ben.Count180, 1);
}

TEST(Stats, TwoCheckoutsKeepTheHigherAndAddBoth)
{
    CGame game;
    game.NewGame(GameParams(301, 1));
    ASSERT_TRUE(PlayTurns(game, {141, 60, 100}));
    game.NextLeg();
    ASSERT_TRUE(PlayTurns(game, {180, 81, 40}));
    const TPlayerStats stats = game.GetPlayerStats(0);
    EXPECT_EQ(stats.LegsWon, 2);
    EXPECT_EQ(stats.HighestOutShot, 100);
    EXPECT_EQ(stats.OutShotPoints, 140);
}

TEST(Stats, AWinWithoutACheckoutChanceLeavesOutshotFiguresAtZero)
{
    // Without the checkout rule a class-0 total can be scored off in one turn.
    TGameParams params = GameParams(501, 1);
    params.CheckOutRule = false;
    CGame game;
    game.NewGame(params);
    ASSERT_TRUE(PlayTurns(game, {180, 141, 180}));
    const TPlayerStats stats = game.GetPlayerStats(0);
    EXPECT_EQ(stats.LegsWon, 1);
    EXPECT_EQ(stats.PossibleOutShots, 0);
    EXPECT_EQ(stats.EffectiveOutShots, 0.0);
    EXPECT_EQ(stats.OutShotAverage, 0.0);
    EXPECT_EQ(stats.HighestOutShot, 180);
}

} // namespace

// First-9 average, best and worst leg and legs played, worked out by hand, through an undo, a
// correction and legs of one or two turns; and the per-leg summary of the same match.
TEST(Stats, FirstNineBestAndWorstLegAndTheLegTable)
{
    CGame game;
    TGameParams params = GameParams(301, 2, 0);
    params.LegsToWin = 1;
    params.SetsToWin = 5;
    game.NewGame(params);
    // Leg 1: Anna 161, 40, 100 on two darts (8 darts); Ben 60, 45.
    ASSERT_TRUE(PlayTurns(game, {161, 60, 40, 45}));
    ASSERT_TRUE(game.CurrentLeg()->CurrentSheet()->AddThrow(-1, 2));
    game.NextLeg();
    // Leg 2, Ben first: 180, 81, 40 (9 darts); Anna 100, 180.
    ASSERT_TRUE(PlayTurns(game, {180, 100, 81, 180, 40}));
    game.NextLeg();
    // Leg 3, Anna first: five turns to Ben's four, the last a three-dart 61.
    ASSERT_TRUE(PlayTurns(game, {60, 60, 60, 60, 60, 60, 60, 60}));
    ASSERT_TRUE(game.CurrentLeg()->CurrentSheet()->AddThrow(-1, 3));

    struct TExpected
    {
        const char* When;
        int32_t Player;
        double FirstNine;
        int32_t Best;
        int32_t Worst;
        int32_t Played;
    };
    const auto check = [&game](const TExpected& expected) {
        const TPlayerStats stats = game.GetPlayerStats(expected.Player);
        EXPECT_DOUBLE_EQ(stats.FirstNineAverage, expected.FirstNine) << expected.When;
        EXPECT_EQ(stats.BestLegDarts, expected.Best) << expected.When;
        EXPECT_EQ(stats.WorstLegDarts, expected.Worst) << expected.When;
        EXPECT_EQ(stats.LegsPlayed, expected.Played) << expected.When;
    };
    check({"played", 0, (301.0 + 280 + 180) / (8 + 6 + 9) * 3, 8, 15, 3});
    check({"played", 1, (105.0 + 301 + 180) / (6 + 9 + 9) * 3, 9, 9, 3});
    ASSERT_TRUE(game.CurrentLeg()->CurrentSheet()->UndoThrow()); // Anna's 61 taken back
    check({"undone", 0, (301.0 + 280 + 180) / 23 * 3, 8, 8, 3});
    ASSERT_TRUE(game.CurrentLeg()->GetSheet(0)->ReplaceThrow(1, 100, 0)); // 60 was 100
    check({"corrected", 0, (301.0 + 280 + 220) / 23 * 3, 8, 8, 3});

    const std::vector<TLegSummary> legs = game.LegSummaries();
    ASSERT_EQ(legs.size(), 3U);
    EXPECT_EQ((std::array{legs[0].Set, legs[0].Starter, legs[0].Winner, legs[0].WinnerDarts,
                          legs[0].Checkout}),
              (std::array{1, 0, 0, 8, 100}));
    EXPECT_EQ((std::array{legs[1].Set, legs[1].Starter, legs[1].Winner, legs[1].WinnerDarts,
                          legs[1].Checkout}),
              (std::array{2, 1, 1, 9, 40}));
    EXPECT_DOUBLE_EQ(legs[0].Average[0], 301.0 / 8 * 3);
    EXPECT_DOUBLE_EQ(legs[1].Average[0], 140.0);
    EXPECT_EQ((std::array{legs[2].Set, legs[2].LegInSet, legs[2].Starter, legs[2].Winner}),
              (std::array{3, 1, 0, -1}));

    // A leg of one turn: 101 on two darts; Ben never threw.
    game.NewGame(GameParams(101, 2, 0));
    ASSERT_TRUE(game.CurrentLeg()->CurrentSheet()->AddThrow(-1, 2));
    check({"one turn", 0, 151.5, 2, 2, 1});
    check({"not thrown", 1, 0.0, 0, 0, 0});
}

// The sums kept for earlier legs follow a change made to one of them through its sheet.
TEST(Stats, AChangeToAnEarlierLegIsCountedAfresh)
{
    CGame game;
    game.NewGame(GameParams(301, 2, 0));
    ASSERT_TRUE(PlayTurns(game, {161, 60, 40, 45}));
    game.NextLeg();
    ASSERT_TRUE(PlayTurns(game, {100, 26}));
    const TPlayerStats before = game.GetPlayerStats(0);
    ASSERT_TRUE(game.GetLeg(0)->GetSheet(0)->DeleteLastEntry()); // Anna's 40 of leg 1
    const TPlayerStats after = game.GetPlayerStats(0);
    EXPECT_EQ(after.PointsScored, before.PointsScored - 40);
    EXPECT_EQ(after.PointsScored, game.WalkPlayerStats(0).PointsScored);
    EXPECT_EQ(after.LowestTurn, game.WalkPlayerStats(0).LowestTurn);
}

// A new game on the same match object starts its kept sums afresh, however many legs it plays
// before the figures are first asked for.
TEST(Stats, ANewGameDoesNotInheritTheKeptSums)
{
    CGame game;
    game.NewGame(GameParams(101, 2, 0));
    for (int leg = 0; leg < 3; ++leg) {
        ASSERT_TRUE(game.CurrentLeg()->CurrentSheet()->AddThrow(-1, 3));
        game.NextLeg();
    }
    ASSERT_EQ(game.GetPlayerStats(0).LegsWon, 2);
    game.NewGame(GameParams(101, 2, 0));
    for (int leg = 0; leg < 5; ++leg) {
        ASSERT_TRUE(PlayTurns(game, {60}));
        game.NextLeg();
    }
    EXPECT_EQ(game.GetPlayerStats(0).LegsWon, 0);
    EXPECT_EQ(game.GetPlayerStats(0).PointsScored, game.WalkPlayerStats(0).PointsScored);
}
