// The computer in the other games: a better level throws better figures (cricket's marks per
// round, Bob's 27's score), every game it plays ends, and the same match gives the same darts.

#include "bot/GamesBot.h"

#include <gtest/gtest.h>

TEST(GamesBot, BetterLevelsThrowBetterFigures)
{
    for (const TGameKind kind : {TGameKind::Cricket, TGameKind::Bobs27}) {
        SCOPED_TRACE(GameName(kind));
        double previous = -1e9;
        for (const double level : {30.0, 60.0, 90.0}) {
            const double figure = SimulateGamesFigure(level, kind, 150);
            EXPECT_GT(figure, previous) << "level " << level;
            previous = figure;
        }
    }
}

TEST(GamesBot, PlaysEveryGameToItsEndTheSameWayTwice)
{
    for (const TGameKind kind : kOtherGames) {
        SCOPED_TRACE(GameName(kind));
        TGameParams params;
        params.PlayerCount = 3;
        params.ComputerAverages = {50, 70, 90};
        params.ComputerSeed = 11;
        CGamesMatch match(kind, params);
        CGamesMatch again(kind, params);
        const std::vector<CGamesBot> bots = {{50, 11}, {70, 11}, {90, 11}};
        for (int turn = 0; turn < 600 && !match.CurrentLeg().Over(); ++turn) {
            const int32_t side = match.CurrentLeg().PlayerToThrow();
            const std::vector<TDart> darts = bots[static_cast<size_t>(side)].NextTurn(match, side);
            ASSERT_EQ(darts, bots[static_cast<size_t>(side)].NextTurn(again, side));
            ASSERT_TRUE(match.AddTurn(darts));
            ASSERT_TRUE(again.AddTurn(darts));
        }
        EXPECT_TRUE(match.CurrentLeg().Over());
    }
}
