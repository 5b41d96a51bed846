#include "MatchTestSupport.h"

#include <gtest/gtest.h>

namespace {

using Events = std::vector<std::string>;

TEST(Events, LegStartOpensEverySheetAndEndsOnTheFirstThrower)
{
    CGame game;
    EventLog log(game);
    game.NewGame(GameParams(501, 2, 0));
    EXPECT_EQ(log.Take(), (Events{"sheet0", "turn1", "sheet1", "turn0"}));

    game.NewGame(GameParams(501, 2, 1));
    EXPECT_EQ(log.Take(), (Events{"sheet0", "turn0", "turn0", "sheet1", "turn1", "turn1"}));

    game.NewGame(GameParams(501, 1, 1));
    EXPECT_EQ(log.Take(), (Events{"sheet0", "turn0", "turn0"}));
}

TEST(Events, TurnWinAndUndoFireInOrder)
{
    CGame game;
    game.NewGame(GameParams(301));
    ASSERT_TRUE(PlayTurns(game, {180, 60, 81}));
    EventLog log(game);
    CLeg& leg = *game.CurrentLeg();

    ASSERT_TRUE(leg.GetSheet(1)->AddThrow(60, 0));
    EXPECT_EQ(log.Take(), (Events{"sheet1", "turn0"}));

    ASSERT_TRUE(leg.GetSheet(0)->AddThrow(40, 0));
    EXPECT_EQ(log.Take(), (Events{"sheet0", "won0", "turn-"}));

    ASSERT_TRUE(leg.CurrentSheet()->UndoThrow());
    EXPECT_EQ(log.Take(), (Events{"turn0", "sheet0"}));
}

TEST(Events, RefusedOperationsFireNothing)
{
    CGame game;
    game.NewGame(GameParams(301));
    EventLog log(game);
    CLeg& leg = *game.CurrentLeg();
    EXPECT_FALSE(leg.GetSheet(0)->AddThrow(300, 0)); // leaves 1
    EXPECT_FALSE(leg.GetSheet(0)->AddThrow(-1, 3));  // 301 cannot be finished
    EXPECT_FALSE(leg.GetSheet(0)->AddThrow(172, 0)); // no three darts make it
    EXPECT_FALSE(leg.GetSheet(0)->AddThrow(181, 0));
    EXPECT_FALSE(leg.CurrentSheet()->CanUndoThrow());
    EXPECT_TRUE(log.Events.empty());
    EXPECT_EQ(leg.PlayerToThrow(), 0);
}

TEST(Events, NextLegFiresOnlyTheNewLegsStart)
{
    CGame game;
    game.NewGame(GameParams(501, 2, 0));
    EventLog log(game);
    game.NextLeg();
    EXPECT_EQ(log.Take(), (Events{"sheet0", "turn0", "turn0", "sheet1", "turn1", "turn1"}));
    EXPECT_EQ(game.CurrentLeg()->PlayerToThrow(), 1);
}

TEST(Events, UnsetHandlersAreSkipped)
{
    CGame game;
    game.NewGame(GameParams(301, 1));
    EXPECT_TRUE(PlayTurns(game, {180, 81}));
    ASSERT_TRUE(game.CurrentLeg()->CurrentSheet()->AddThrow(-1, 2));
    EXPECT_TRUE(game.CurrentLeg()->Finished());
}

} // namespace
