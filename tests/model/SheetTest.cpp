#include "MatchTestSupport.h"

#include <gtest/gtest.h>

namespace {

// One player of a 501 game brought to the given remainder by turns the rules accept.
CPlayerScores& SoloSheetAt(CGame& game, int32_t remainder, TGameParams params = GameParams(501, 1))
{
    game.NewGame(params);
    CPlayerScores& sheet = *game.CurrentLeg()->GetSheet(0);
    int32_t total = params.StartScore;
    while (total - remainder >= 180 && total - 180 != 1) {
        EXPECT_TRUE(sheet.AddThrow(180, 0));
        total -= 180;
    }
    if (total != remainder) {
        EXPECT_TRUE(sheet.AddThrow(total - remainder, 0));
    }
    EXPECT_EQ(sheet.LastEntry()->Remainder, remainder);
    return sheet;
}

struct TurnCase
{
    int32_t Remainder;
    int32_t Score;
    int32_t Darts;
    bool Accepted;
};

void PrintTo(const TurnCase& turn, std::ostream* out)
{
    *out << "remainder " << turn.Remainder << " score " << turn.Score << " darts " << turn.Darts;
}

class TurnRule : public testing::TestWithParam<TurnCase>
{};

TEST_P(TurnRule, CountingDownWithTheCheckoutRule)
{
    const TurnCase& turn = GetParam();
    CGame game;
    CPlayerScores& sheet = SoloSheetAt(game, turn.Remainder);
    const int32_t entries = sheet.EntryCount();
    EXPECT_EQ(sheet.AddThrow(turn.Score, turn.Darts), turn.Accepted);
    EXPECT_EQ(sheet.EntryCount(), entries + (turn.Accepted ? 1 : 0));
    if (turn.Accepted) {
        const int32_t scored = turn.Score == -1 ? turn.Remainder : turn.Score;
        EXPECT_EQ(sheet.LastEntry()->Remainder, turn.Remainder - scored);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TurnRule,
    testing::Values(TurnCase{61, 60, 0, false},   // leaves 1
                    TurnCase{61, 62, 0, false},   // bust
                    TurnCase{61, 61, 0, true},    // typed finish
                    TurnCase{3, 2, 0, false},     // leaves 1
                    TurnCase{2, 2, 0, true},      // D1
                    TurnCase{100, -1, 1, false},  // 100 needs two darts
                    TurnCase{100, -1, 2, true},   // finishing claim
                    TurnCase{100, -1, 3, true},   // a larger claim is allowed
                    TurnCase{40, -1, 1, true},    // D20
                    TurnCase{170, -1, 2, false},  // 170 needs three
                    TurnCase{170, -1, 3, true},   // T20 T20 Bull
                    TurnCase{180, 180, 0, false}, // 180 cannot finish: no double
                    TurnCase{159, 159, 0, false}, // no checkout from 159
                    TurnCase{162, -1, 3, false},  // class 0 with a claim: still no finish
                    TurnCase{200, 180, 0, true},  // leaves 20
                    TurnCase{101, 99, 0, true},   // leaves 2
                    TurnCase{101, 100, 0, false}, // leaves 1
                    TurnCase{300, 163, 0, false}, // no three darts make 163
                    TurnCase{300, 171, 0, true},  // T20 T19 T18
                    TurnCase{300, -5, 0, false}));

TEST(TurnRule, WithoutTheCheckoutRuleAClassZeroTurnMayFinish)
{
    TGameParams params = GameParams(501, 1);
    params.CheckOutRule = false;
    CGame game;
    CPlayerScores& sheet = SoloSheetAt(game, 180, params);
    EXPECT_TRUE(sheet.AddThrow(180, 0));
    EXPECT_TRUE(sheet.Won());
}

TEST(ContinuousPoints, TotalsOnlyGrowAndNoLeaveOneTest)
{
    CGame game;
    game.NewGame(ContinuousParams(1));
    CPlayerScores& sheet = *game.CurrentLeg()->GetSheet(0);
    EXPECT_FALSE(sheet.AddThrow(181, 0));
    EXPECT_FALSE(sheet.AddThrow(175, 0));
    ASSERT_TRUE(sheet.AddThrow(61, 0));
    // A total of 61 and a turn of 60: only a count-down game must avoid leaving 1.
    ASSERT_TRUE(sheet.AddThrow(60, 0));
    EXPECT_EQ(sheet.LastEntry()->Remainder, 121);
    EXPECT_EQ(sheet.PointsScored(), 121);
    ASSERT_TRUE(sheet.AddThrow(180, 0));
    EXPECT_FALSE(sheet.Won());
    EXPECT_FALSE(game.CurrentLeg()->Finished());
    EXPECT_EQ(sheet.Count180(), 1);
}

TEST(Win, FinishingTurnWinsTheLegAndRefusesEveryLaterTurn)
{
    CGame game;
    game.NewGame(GameParams(501));
    ASSERT_TRUE(PlayTurns(game, {180, 100, 180, 100, 101}));
    CLeg& leg = *game.CurrentLeg();
    CPlayerScores& anna = *leg.GetSheet(0);
    ASSERT_EQ(anna.LastEntry()->Remainder, 40);
    ASSERT_TRUE(PlayTurns(game, {60}));
    ASSERT_TRUE(anna.AddThrow(-1, 1));
    EXPECT_TRUE(anna.Won());
    EXPECT_TRUE(leg.Finished());
    EXPECT_FALSE(leg.GetSheet(1)->Won());
    EXPECT_EQ(anna.DartCount(), 3 * 4 - 2);
    EXPECT_EQ(anna.OutShotDarts(), 1);
    EXPECT_FALSE(leg.GetSheet(1)->AddThrow(0, 0));
    EXPECT_FALSE(leg.GetSheet(1)->IsValidThrow(0, 0));
}

TEST(Undo, TakesBackTheWinAndGivesTheTurnBackToTheWinner)
{
    CGame game;
    game.NewGame(GameParams(301));
    ASSERT_TRUE(PlayTurns(game, {180, 60, 81, 60}));
    CLeg& leg = *game.CurrentLeg();
    ASSERT_TRUE(leg.GetSheet(0)->AddThrow(-1, 2));
    ASSERT_TRUE(leg.Finished());
    EXPECT_EQ(leg.PlayerToThrow(), 1); // the turn moves on even after the winning turn
    ASSERT_TRUE(leg.CurrentSheet()->CanUndoThrow());
    ASSERT_TRUE(leg.CurrentSheet()->UndoThrow());
    EXPECT_FALSE(leg.Finished());
    EXPECT_FALSE(leg.GetSheet(0)->Won());
    EXPECT_EQ(leg.PlayerToThrow(), 0);
    EXPECT_EQ(leg.GetSheet(0)->EntryCount(), 3);
    EXPECT_EQ(leg.GetSheet(0)->LastEntry()->Remainder, 40);
    EXPECT_EQ(leg.GetSheet(0)->OutShotDarts(), 0);
}

TEST(Undo, LeavesTheSheetAsIfTheTurnsWereNeverThrown)
{
    CGame undone;
    undone.NewGame(GameParams(501, 1));
    CPlayerScores& sheet = *undone.CurrentLeg()->GetSheet(0);
    ASSERT_TRUE(PlayTurns(undone, {45, 100, 180, 140})); // 36 left: a checkout chance
    ASSERT_TRUE(sheet.AddThrow(-1, 1));
    ASSERT_TRUE(sheet.Won());
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(sheet.CanUndoThrow());
        ASSERT_TRUE(sheet.UndoThrow());
    }

    CGame straight;
    straight.NewGame(GameParams(501, 1));
    ASSERT_TRUE(PlayTurns(straight, {45, 100}));
    const CPlayerScores& expected = *straight.CurrentLeg()->GetSheet(0);

    EXPECT_EQ(sheet.EntryCount(), expected.EntryCount());
    EXPECT_EQ(sheet.HighestTurn(), expected.HighestTurn());
    EXPECT_EQ(sheet.LowestTurn(), expected.LowestTurn());
    EXPECT_EQ(sheet.Count100(), expected.Count100());
    EXPECT_EQ(sheet.Count140(), 0);
    EXPECT_EQ(sheet.Count180(), 0);
    EXPECT_EQ(sheet.PossibleOutShots(), 0);
    EXPECT_EQ(sheet.OutShotDarts(), 0);
    EXPECT_EQ(sheet.DartCount(), expected.DartCount());
    const TPlayerStats stats = undone.GetPlayerStats(0);
    EXPECT_EQ(stats.HighestTurn, 100);
    EXPECT_EQ(stats.PossibleOutShots, 0);
    EXPECT_EQ(stats.LegsWon, 0);
}

TEST(Undo, RestoresTheClaimOfTheTurnBefore)
{
    // Counting up, a claim does not end the leg, so a later turn can be taken back to it.
    CGame game;
    game.NewGame(ContinuousParams(1));
    CPlayerScores& sheet = *game.CurrentLeg()->GetSheet(0);
    ASSERT_TRUE(sheet.AddThrow(40, 0));
    ASSERT_TRUE(sheet.AddThrow(-1, 2));
    EXPECT_EQ(sheet.LastEntry()->Remainder, 80);
    EXPECT_EQ(sheet.OutShotDarts(), 2);
    ASSERT_TRUE(sheet.AddThrow(20, 0));
    EXPECT_EQ(sheet.OutShotDarts(), 0);
    ASSERT_TRUE(sheet.UndoThrow());
    EXPECT_EQ(sheet.OutShotDarts(), 2);
    ASSERT_TRUE(sheet.UndoThrow());
    EXPECT_EQ(sheet.OutShotDarts(), 0);
}

TEST(Undo, OnlyTheOpeningEntriesLeftCannotBeUndone)
{
    CGame game;
    game.NewGame(GameParams(501));
    CLeg& leg = *game.CurrentLeg();
    EXPECT_FALSE(leg.CurrentSheet()->CanUndoThrow());
    EXPECT_EQ(leg.PlayerToThrow(), 0);
    ASSERT_TRUE(PlayTurns(game, {26}));
    EXPECT_TRUE(leg.CurrentSheet()->CanUndoThrow());
    EXPECT_EQ(leg.PlayerToThrow(), 1); // CanUndoThrow leaves the turn where it was
}

TEST(Degenerate, NoPlayersMeansOneAndTheFirstPlayerWrapsRound)
{
    CGame game;
    TGameParams params = GameParams(501, 0, -3);
    game.NewGame(params);
    EXPECT_EQ(game.GetParams().PlayerCount, 1);
    EXPECT_EQ(game.GetParams().FirstPlayer, 0);
    EXPECT_NE(game.CurrentLeg()->GetSheet(0), nullptr);
    EXPECT_EQ(game.CurrentLeg()->GetSheet(1), nullptr);

    game.NewGame(GameParams(501, 2, -3));
    EXPECT_EQ(game.GetParams().FirstPlayer, 1);
    EXPECT_EQ(game.CurrentLeg()->PlayerToThrow(), 1);
}

TEST(Degenerate, ASheetWithoutEntriesNeitherFinishesNorCrashes)
{
    CGame game;
    game.NewGame(GameParams(501, 1));
    CPlayerScores& sheet = *game.CurrentLeg()->GetSheet(0);
    ASSERT_TRUE(sheet.DeleteLastEntry());
    EXPECT_FALSE(sheet.DeleteLastEntry());
    EXPECT_EQ(sheet.LastEntry(), nullptr);
    EXPECT_EQ(sheet.PointsScored(), 0);
    EXPECT_EQ(sheet.TurnAverage(), 0.0);
    EXPECT_EQ(sheet.DartAverage(), 0.0);
    EXPECT_EQ(sheet.DartCount(), 0);
    EXPECT_FALSE(sheet.AddThrow(-1, 3));
    EXPECT_FALSE(sheet.UndoThrow());
    EXPECT_EQ(sheet.EntryCount(), 0);
}

TEST(Degenerate, OutOfRangeLookupsAnswerNone)
{
    CGame game;
    EXPECT_EQ(game.CurrentLeg(), nullptr);
    EXPECT_EQ(game.GetLeg(0), nullptr);
    game.NewGame(GameParams(501));
    EXPECT_EQ(game.GetLeg(-1), nullptr);
    EXPECT_EQ(game.GetLeg(1), nullptr);
    EXPECT_EQ(game.CurrentLeg()->GetSheet(2), nullptr);
    EXPECT_EQ(game.CurrentLeg()->GetSheet(0)->GetEntry(1), nullptr);
    EXPECT_EQ(game.CurrentLeg()->GetSheet(0)->GetEntry(-1), nullptr);
}

TEST(Sheet, OpeningEntryCountsNothing)
{
    CGame game;
    game.NewGame(GameParams(501));
    const CPlayerScores& sheet = *game.CurrentLeg()->GetSheet(1);
    EXPECT_EQ(sheet.EntryCount(), 1);
    EXPECT_EQ(sheet.GetEntry(0)->Score, 0);
    EXPECT_EQ(sheet.GetEntry(0)->Remainder, 501);
    EXPECT_EQ(sheet.LowestTurn(), 200);
    EXPECT_EQ(sheet.HighestTurn(), 0);
    EXPECT_EQ(sheet.TurnAverage(), 0.0);
    EXPECT_EQ(sheet.DartAverage(), 0.0);
    EXPECT_EQ(sheet.DartCount(), 0);
}

TEST(Sheet, EachTurnRaisesAtMostOneCounter)
{
    CGame game;
    game.NewGame(ContinuousParams(1));
    CPlayerScores& sheet = *game.CurrentLeg()->GetSheet(0);
    ASSERT_TRUE(PlayTurns(game, {180, 179 - 8, 140, 139, 100, 99, 60, 59, 0}));
    EXPECT_EQ(sheet.Count180(), 1);
    EXPECT_EQ(sheet.Count140(), 2); // 171, 140
    EXPECT_EQ(sheet.Count100(), 2); // 139, 100
    EXPECT_EQ(sheet.Count60(), 2);  // 99, 60
    EXPECT_EQ(sheet.LowestTurn(), 0);
    EXPECT_EQ(sheet.HighestTurn(), 180);
}

TEST(Sheet, CountUpTotalsNeverWrapRound)
{
    TGameParams params = ContinuousParams(1);
    params.StartScore = INT32_MAX - 100;
    CGame game;
    game.NewGame(params);
    CPlayerScores& sheet = *game.CurrentLeg()->GetSheet(0);
    EXPECT_TRUE(sheet.AddThrow(100, 0));
    EXPECT_FALSE(sheet.AddThrow(1, 0));
    EXPECT_EQ(sheet.LastEntry()->Remainder, INT32_MAX);
}

TEST(Leg, TurnOrderWrapsBothWays)
{
    CGame game;
    game.NewGame(GameParams(501, 1));
    CLeg& solo = *game.CurrentLeg();
    EXPECT_EQ(solo.NextPlayer(), 0);
    EXPECT_EQ(solo.PreviousPlayer(), 0);
    game.NewGame(GameParams(501, 2));
    CLeg& pair = *game.CurrentLeg();
    EXPECT_EQ(pair.PreviousPlayer(), 1);
    EXPECT_EQ(pair.NextPlayer(), 0);
    EXPECT_EQ(pair.NextPlayer(), 1);
}

TEST(Match, FirstThrowerAlternatesFromLegToLeg)
{
    CGame game;
    game.NewGame(GameParams(501, 2, 1));
    std::vector<int32_t> starters{game.CurrentLeg()->PlayerToThrow()};
    for (int i = 0; i < 3; ++i) {
        game.NextLeg();
        starters.push_back(game.CurrentLeg()->PlayerToThrow());
    }
    EXPECT_EQ(starters, (std::vector<int32_t>{1, 0, 1, 0}));
    EXPECT_EQ(game.LegCount(), 4);

    game.NewGame(GameParams(501, 1, 1));
    game.NextLeg();
    EXPECT_EQ(game.GetLeg(0)->PlayerToThrow(), 0);
    EXPECT_EQ(game.GetLeg(1)->PlayerToThrow(), 0);
}

TEST(Match, NewGameKeepsItsOwnCopyAndDropsEveryLeg)
{
    CGame game;
    TGameParams params = GameParams(701);
    game.NewGame(params);
    game.NextLeg();
    ASSERT_EQ(game.LegCount(), 2);
    params.StartScore = 301;
    params.Player1Name = "changed";
    EXPECT_EQ(game.GetParams().StartScore, 701);
    EXPECT_EQ(game.GetParams().Player1Name, "Anna");

    game.NewGame(GameParams(1001, 1));
    EXPECT_EQ(game.LegCount(), 1);
    EXPECT_EQ(game.CurrentLeg()->GetSheet(0)->LastEntry()->Remainder, 1001);
    EXPECT_EQ(game.CurrentLeg()->SheetCount(), 1);
}

} // namespace
