// Three to eight sides, pairs and handicaps: who starts, who throws, who wins, and the figures.

#include "MatchTestSupport.h"

#include <gtest/gtest.h>

namespace {

TGameParams Sides(int32_t sides, int32_t startScore, int32_t firstPlayer = 0)
{
    TGameParams params = GameParams(startScore, sides, firstPlayer);
    for (int32_t side = 0; side < sides; ++side) {
        params.PlayerNames.push_back("Side " + std::to_string(side + 1));
    }
    return params;
}

// Without sets leg n goes to side (first + n) mod sides; with sets, set s to (first + s) and
// its legs go round from there. Turns go round the sides from the starter. Each leg here is a
// round of 0s, then the starter checks out 40: the set starter wins its set on leg sides + 1.
TEST(Sides, StartersAndTurnOrderForOneToEightSides)
{
    for (int32_t sides = 1; sides <= CGame::kMaxPlayers; ++sides) {
        for (const bool sets : {false, true}) {
            TGameParams params = Sides(sides, 40, sides > 2 ? 2 : sides - 1);
            params.LegsToWin = sets ? 2 : 0;
            params.SetsToWin = sets ? 2 : 0;
            CGame game;
            game.NewGame(params);
            int32_t set = 0, legInSet = 0;
            std::vector<int32_t> wonInSet(static_cast<size_t>(sides), 0);
            for (int32_t leg = 0; leg < (sides + 1) * (sides + 1) + 1 && game.MatchWinner() < 0;
                 ++leg) {
                const int32_t starter = (params.FirstPlayer + set + legInSet) % sides;
                SCOPED_TRACE(testing::Message()
                             << sides << " sides, sets " << sets << ", leg " << leg);
                ASSERT_EQ(game.CurrentLeg()->PlayerToThrow(), starter);
                for (int32_t turn = 0; turn < sides; ++turn) {
                    ASSERT_EQ(game.CurrentLeg()->PlayerToThrow(), (starter + turn) % sides);
                    ASSERT_TRUE(game.CurrentLeg()->CurrentSheet()->AddThrow(0, 0));
                }
                ASSERT_TRUE(game.CurrentLeg()->GetSheet(starter)->AddThrow(40, 1));
                ++legInSet;
                if (sets && ++wonInSet[static_cast<size_t>(starter)] == 2) {
                    ++set;
                    legInSet = 0;
                    std::fill(wonInSet.begin(), wonInSet.end(), 0);
                }
                game.NextLeg();
            }
            EXPECT_EQ(game.MatchWinner() >= 0, sets);
        }
    }
}

TEST(Sides, ThreeSidesFirstToTwoLegs)
{
    TGameParams params = Sides(3, 101);
    params.LegsToWin = 2;
    CGame game;
    game.NewGame(params);
    // Leg 1, side 0 starts: 0 60, 1 99, 2 41, 0 41 (out).
    ASSERT_TRUE(PlayTurns(game, {60, 99, 41, 41}));
    EXPECT_TRUE(game.CurrentLeg()->GetSheet(0)->Won());
    game.NextLeg();
    // Leg 2, side 1 starts and wins with 101 in two turns.
    ASSERT_TRUE(PlayTurns(game, {60, 20, 20, 41}));
    game.NextLeg();
    // Leg 3, side 2 starts; side 0 wins its second leg and the match.
    ASSERT_TRUE(PlayTurns(game, {0, 101}));
    EXPECT_EQ(game.MatchWinner(), 0);
    EXPECT_EQ(game.LegsInSet(0), 2);
    EXPECT_EQ(game.LegsInSet(1), 1);
    EXPECT_EQ(game.LegsInSet(2), 0);
    game.NextLeg();
    EXPECT_EQ(game.LegCount(), 3);
    EXPECT_EQ(game.GetPlayerStats(2).LegsPlayed, 3);
    EXPECT_EQ(game.PlayerName(2), "Side 3");
    EXPECT_EQ(game.Params().Player2Name, "Side 2"); // the first two names are one thing
}

TEST(Sides, AHandicapLeg)
{
    TGameParams params = Sides(2, 501);
    params.StartScores = {501, 301};
    CGame game;
    game.NewGame(params);
    const CLeg& leg = *game.CurrentLeg();
    EXPECT_EQ(leg.GetSheet(1)->LastEntry()->Remainder, 301);
    ASSERT_TRUE(PlayTurns(game, {180, 180}));
    // The handicapped side's own total decides a bust, not the game's.
    EXPECT_EQ(leg.GetSheet(1)->CheckThrow(140, 0).Refusal, TRefusal::Bust);
    ASSERT_TRUE(PlayTurns(game, {100, 121}));
    EXPECT_TRUE(leg.GetSheet(1)->Won());
    const TPlayerStats stats = game.GetPlayerStats(1);
    EXPECT_EQ(stats.PointsScored, 301);
    EXPECT_DOUBLE_EQ(stats.TurnAverage, 150.5);
    EXPECT_DOUBLE_EQ(game.LegSummaries().front().Average[1], 150.5);
    // A points game counts up from nothing whatever the handicaps say.
    TGameParams points = ContinuousParams();
    points.StartScores = {100, 200};
    game.NewGame(points);
    EXPECT_EQ(game.CurrentLeg()->GetSheet(1)->LastEntry()->Remainder, 0);
}

TEST(Pairs, ThrowersAlternateAndCountTheirOwnTurns)
{
    TGameParams params = Sides(2, 301);
    params.TeamSize = 2;
    params.ThrowerNames = {"Anna", "Ben", "Cleo", "Dan"};
    CGame game;
    game.NewGame(params);
    // Leg 0: side 0 (Anna, Ben, Anna) 100 60 141 out in 3 darts; side 1 (Cleo, Dan) 45 85.
    ASSERT_TRUE(PlayTurns(game, {100, 45, 60, 85}));
    ASSERT_TRUE(game.CurrentLeg()->GetSheet(0)->AddThrow(141, 3));
    game.NextLeg();
    // Leg 1: side 1 starts with Dan; side 0 starts with Ben. Dan 180, Ben 26, Cleo 121 out.
    ASSERT_TRUE(PlayTurns(game, {180, 26, 121}));
    const std::vector<std::vector<int32_t>> throwers = {// leg, side, entry 1.. 4 (-1: not thrown)
                                                        {0, 0, 0, 1, 0},
                                                        {0, 1, 0, 1, -1},
                                                        {1, 0, 1, -1, -1},
                                                        {1, 1, 1, 0, -1}};
    for (const std::vector<int32_t>& row : throwers) {
        for (int32_t entry = 1; entry <= 3; ++entry) {
            EXPECT_EQ(game.ThrowerOf(row[0], row[1], entry), row[static_cast<size_t>(entry + 1)])
                << "leg " << row[0] << " side " << row[1] << " entry " << entry;
        }
    }
    EXPECT_EQ(game.ThrowerOf(0, 0, 0), -1);
    EXPECT_EQ(game.ThrowerName(1, 1), "Dan");
    {
        // A computer side of a pairs match throws as itself, not as a person of a pair.
        TGameParams computer = params;
        computer.PlayerNames = {"A", "Computer (60)"};
        computer.ComputerAverages = {0, 60};
        CGame against;
        against.NewGame(computer);
        EXPECT_EQ(against.ThrowerName(1, 0), "Computer (60)");
        EXPECT_EQ(against.ThrowerName(0, 1), "Ben");
    }
    // By hand: Anna 100 + 141 in 3 + 3 darts, won leg 0; Ben 60 + 26 in 6 darts.
    const TPlayerStats anna = game.GetThrowerStats(0, 0);
    EXPECT_EQ(anna.PointsScored, 241);
    EXPECT_EQ(anna.DartsThrown, 6);
    EXPECT_EQ(anna.LegsWon, 1);
    EXPECT_EQ(anna.HighestOutShot, 141);
    EXPECT_EQ(anna.BestLegDarts, 6);
    EXPECT_EQ(anna.LegsPlayed, 1);
    const TPlayerStats ben = game.GetThrowerStats(0, 1);
    EXPECT_EQ(ben.PointsScored, 86);
    EXPECT_EQ(ben.DartsThrown, 6);
    EXPECT_EQ(ben.LegsWon, 0);
    EXPECT_EQ(ben.LegsPlayed, 2);
    // Anna faced 141 (a chance) after Ben's 60; Ben faced 241 and 301, none.
    EXPECT_EQ(anna.PossibleOutShots, 1);
    EXPECT_EQ(ben.PossibleOutShots, 0);
    // Cleo checked out 121 after Dan's 180: one chance, one leg.
    const TPlayerStats cleo = game.GetThrowerStats(1, 0);
    EXPECT_EQ(cleo.LegsWon, 1);
    EXPECT_DOUBLE_EQ(cleo.EffectiveOutShots, 100.0);
    const std::vector<TLegSummary> legs = game.LegSummaries();
    EXPECT_EQ(legs[0].WinnerThrower, 0);
    EXPECT_EQ(legs[1].StarterThrower, 1);
    EXPECT_EQ(legs[1].WinnerThrower, 0);
    EXPECT_EQ(game.GetThrowerStats(0, 2).DartsThrown, 0); // no third thrower
}

TEST(Sides, ACorrectionInAnEightSideLeg)
{
    CGame game;
    game.NewGame(Sides(8, 301));
    for (int32_t round = 0; round < 2; ++round) {
        for (int32_t side = 0; side < 8; ++side) {
            ASSERT_TRUE(PlayTurns(game, {side * 10}));
        }
    }
    CPlayerScores& sheet = *game.CurrentLeg()->GetSheet(5);
    // Side 5's first 50 becomes 100: its second turn's total follows; the turn stays with 0.
    ASSERT_TRUE(game.CorrectInLeg(0, 5, 1, 100, 0));
    EXPECT_EQ(sheet.LastEntry()->Remainder, 301 - 150);
    EXPECT_EQ(game.CurrentLeg()->PlayerToThrow(), 0);
    // 180 then 50 leave 71; a second turn of 120 would leave 1 and is refused.
    ASSERT_TRUE(game.CorrectInLeg(0, 5, 1, 180, 0));
    const TThrowCheck spoiled = game.CheckCorrectionInLeg(0, 5, 2, 120, 0);
    EXPECT_EQ(spoiled.Refusal, TRefusal::LeavesOne);
    EXPECT_EQ(game.GetPlayerStats(5).PointsScored, 230);
}

} // namespace
