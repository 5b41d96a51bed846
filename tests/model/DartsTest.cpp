// Turns entered dart by dart: what darts make of a turn, and the darts at a double.

#include "MatchTestSupport.h"
#include "model/DartNotation.h"

#include <gtest/gtest.h>

namespace {

constexpr TDart S(int32_t segment)
{
    return {segment, 1};
}
constexpr TDart D(int32_t segment)
{
    return {segment, 2};
}
constexpr TDart T(int32_t segment)
{
    return {segment, 3};
}
constexpr TDart kMiss{0, 1};

// A sheet with `left` to go (a leg of 501 whose first turns took the rest).
CPlayerScores& SheetAt(CGame& game, int32_t left, bool rule, bool countUp = false)
{
    TGameParams params = GameParams(501, 1);
    params.CheckOutRule = rule;
    params.CountUp = countUp;
    params.TargetScore = countUp ? -1 : 0;
    params.StartScore = countUp ? 0 : left;
    game.NewGame(params);
    return *game.CurrentLeg()->CurrentSheet();
}

} // namespace

// Each turn against what it scores, what it claims and why it may be refused; the turn is
// then added, and keeps its darts exactly when it is taken.
TEST(Darts, WhatDartsMakeOfATurn)
{
    struct TCase
    {
        int32_t Left;
        bool Rule;
        std::vector<TDart> Darts;
        TRefusal Refusal;
        int32_t Score;
        int32_t Claim;
    };
    const TCase cases[] = {
        {501, true, {T(20), T(20), T(20)}, TRefusal::None, 180, 0},
        {170, true, {T(20), T(20), D(25)}, TRefusal::None, 170, 3}, // D25 is the bull
        {100, true, {T(20), T(20)}, TRefusal::None, 0, 0},          // bust on the second
        {100, true, {T(20), T(20), S(5)}, TRefusal::DartAfterEnd, 0, 0},
        {40, true, {D(20), S(1)}, TRefusal::DartAfterEnd, 0, 0}, // nothing after a finish
        {32, true, {S(16), D(8)}, TRefusal::None, 32, 2},
        {3, true, {S(2)}, TRefusal::None, 0, 0},                 // leaves 1: bust
        {20, true, {S(20)}, TRefusal::None, 0, 0},               // not on a double: bust
        {61, true, {S(25), kMiss, T(20)}, TRefusal::None, 0, 0}, // 25, 0, then below 0
        {20, false, {S(20)}, TRefusal::None, 20, 1},             // any dart without the rule
        {21, false, {S(20)}, TRefusal::LeavesOne, 20, 0},        // as a typed 20 would be
        {501, true, {{25, 3}}, TRefusal::NotAScore, 0, 0},
        {501, true, {S(21)}, TRefusal::NotAScore, 0, 0},
        {501, true, {S(1), S(1), S(1), S(1)}, TRefusal::NotAScore, 0, 0},
        {501, true, {}, TRefusal::NotAScore, 0, 0},
        {501, true, {kMiss, S(19)}, TRefusal::None, 19, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Left << " left, " << c.Darts.size() << " darts");
        CGame game;
        CPlayerScores& sheet = SheetAt(game, c.Left, c.Rule);
        const TThrowCheck check = sheet.CheckDarts(c.Darts);
        EXPECT_EQ(check.Refusal, c.Refusal);
        if (c.Refusal != TRefusal::None) {
            EXPECT_FALSE(sheet.AddDarts(c.Darts));
            EXPECT_EQ(sheet.EntryCount(), 1);
            continue;
        }
        EXPECT_EQ(check.Score, c.Score);
        EXPECT_EQ(check.Darts, c.Claim);
        ASSERT_TRUE(sheet.AddDarts(c.Darts));
        EXPECT_EQ(sheet.LastEntry()->Score, c.Score);
        EXPECT_EQ(sheet.ClaimedDarts(1), c.Claim);
        EXPECT_EQ(sheet.Won(), c.Claim > 0);
        ASSERT_NE(sheet.EntryDarts(1), nullptr);
        EXPECT_EQ(*sheet.EntryDarts(1), c.Darts);
    }
    // A points game only adds up.
    CGame points;
    CPlayerScores& sheet = SheetAt(points, 0, false, true);
    ASSERT_TRUE(sheet.AddDarts({T(20), T(20), T(20)}));
    EXPECT_EQ(sheet.LastEntry()->Remainder, 180);
}

// A leg of 101 counted by hand: Anna T20 S1 S20 (20 left: one dart at D20), Ben a typed 60,
// Anna S10 D5 (a dart at D10, then D5 hit). Three darts at a double, one hit.
TEST(Darts, DartsAtADoubleOverALegAndItsCorrections)
{
    CGame game;
    game.NewGame(GameParams(101, 2));
    CLeg& leg = *game.CurrentLeg();
    ASSERT_TRUE(leg.GetSheet(0)->AddDarts({T(20), S(1), S(20)}));
    ASSERT_TRUE(leg.GetSheet(1)->AddThrow(60, 0));
    ASSERT_TRUE(leg.GetSheet(0)->AddDarts({S(10), D(5)}));
    ASSERT_TRUE(leg.GetSheet(0)->Won());
    TPlayerStats anna = game.GetPlayerStats(0);
    EXPECT_EQ(anna.DartsAtDouble, 3);
    EXPECT_EQ(anna.DoublesHit, 1);
    EXPECT_NEAR(anna.CheckoutPercent, 100.0 / 3.0, 1e-9);
    EXPECT_EQ(anna.DartsThrown, 5);                     // the finish claims its two darts
    EXPECT_EQ(game.GetPlayerStats(1).DartsAtDouble, 0); // a typed total counts nothing
    TDoubleAttempts doubles = game.DoubleAttempts(0);
    EXPECT_EQ(doubles[19], std::make_pair(0, 1)); // D20
    EXPECT_EQ(doubles[9], std::make_pair(0, 1));  // D10
    EXPECT_EQ(doubles[4], std::make_pair(1, 1));  // D5
    EXPECT_EQ(game.GetThrowerStats(0, 0).DartsAtDouble, 3);
    // The first turn corrected to T19 S4 (40 left, no dart at a double in it): S10 D5 is then
    // a dart at D20 and one at D15, and no finish; corrected to a typed 10, its darts go.
    EXPECT_EQ(leg.GetSheet(0)->CheckReplaceDarts(1, {T(20), T(20)}).Refusal, TRefusal::None);
    ASSERT_TRUE(leg.GetSheet(0)->ReplaceDarts(1, {T(19), S(4)}));
    EXPECT_EQ(leg.GetSheet(0)->GetEntry(1)->Remainder, 40);
    EXPECT_FALSE(leg.GetSheet(0)->Won()); // S10 D5 no longer finishes 40
    EXPECT_EQ(leg.GetSheet(0)->GetEntry(2)->Remainder, 20);
    anna = game.GetPlayerStats(0);
    EXPECT_EQ(anna.DartsAtDouble, 2);
    EXPECT_EQ(anna.DoublesHit, 0);
    EXPECT_EQ(game.DoubleAttempts(0)[14], std::make_pair(0, 1)); // D15
    ASSERT_TRUE(leg.GetSheet(0)->ReplaceThrow(2, 10, 0));
    EXPECT_EQ(leg.GetSheet(0)->EntryDarts(2), nullptr);
    EXPECT_EQ(game.GetPlayerStats(0).DartsAtDouble, 0);
    // Ben's S1 D20 from 41 finishes; an undo takes it and its darts back.
    ASSERT_TRUE(leg.GetSheet(1)->AddDarts({S(1), D(20)}));
    EXPECT_EQ(game.DoubleAttempts(1)[19], std::make_pair(1, 1));
    ASSERT_TRUE(leg.CurrentSheet()->UndoThrow());
    EXPECT_EQ(leg.GetSheet(1)->EntryDarts(2), nullptr);
    EXPECT_EQ(game.DoubleAttempts(1)[19], std::make_pair(0, 0));
}

// Darts as the operator types them, and as they are shown again.
TEST(Darts, TheNotationAsCalled)
{
    struct TCase
    {
        const char* Typed;
        bool Parsed;
        std::vector<TDart> Darts;
        const char* Shown; // each dart as shown, space-separated
    };
    const TCase cases[] = {
        {"T20 T20 20", true, {T(20), T(20), S(20)}, "T20 T20 20"},
        {"  d16 ", true, {D(16)}, "D16"},
        {"25 bull B", true, {S(25), D(25), D(25)}, "25 Bull Bull"},
        {"s25 D25 db", true, {S(25), D(25), D(25)}, "25 Bull Bull"},
        {"0 m MISS", true, {kMiss, kMiss, kMiss}, "Miss Miss Miss"},
        {"s1 t1", true, {S(1), T(1)}, "1 T1"},
        {"", true, {}, ""},
        {"T25", false, {}, nullptr},
        {"21", false, {}, nullptr},
        {"T", false, {}, nullptr},
        {"x20", false, {}, nullptr},
        {"20 20 20 20", false, {}, nullptr},
        {"T2O", false, {}, nullptr},
        {"100", false, {}, nullptr},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Typed);
        std::vector<TDart> darts{S(5)};
        EXPECT_EQ(ParseDarts(c.Typed, darts), c.Parsed);
        EXPECT_EQ(darts, c.Darts);
        if (c.Shown != nullptr) {
            std::string shown;
            for (const TDart& dart : darts) {
                shown += (shown.empty() ? "" : " ") + DartText(dart);
            }
            EXPECT_EQ(shown, c.Shown);
        }
    }
    std::string bad;
    std::vector<TDart> darts;
    EXPECT_FALSE(ParseDarts("T20 t25", darts, &bad));
    EXPECT_EQ(bad, "t25");
    // One number is a total; anything else is meant as darts.
    EXPECT_FALSE(LooksLikeDarts(" 140 "));
    EXPECT_FALSE(LooksLikeDarts(""));
    EXPECT_TRUE(LooksLikeDarts("60 60"));
    EXPECT_TRUE(LooksLikeDarts("d20"));
}

// The newer parts of the match, each at its edge: the bull at 50 left is a dart at a double;
// after a leg is won no dart turn is taken, with or without the checkout rule; "b" is the
// bull; darts at a double count over every leg; Undo Next Leg puts the won leg back as won; a
// correction in the leg in play that keeps its result; a handicap of 1 is no handicap.
TEST(Darts, TheNewerPartsAtTheirEdges)
{
    CGame game;
    CPlayerScores& fifty = SheetAt(game, 50, true);
    ASSERT_TRUE(fifty.AddDarts({kMiss, D(25)}));
    EXPECT_EQ(game.GetPlayerStats(0).DartsAtDouble, 2);
    EXPECT_EQ(game.GetPlayerStats(0).DoublesHit, 1);
    EXPECT_EQ(game.DoubleAttempts(0)[20], std::make_pair(1, 2));

    for (const bool rule : {true, false}) {
        SCOPED_TRACE(rule);
        CPlayerScores& sheet = SheetAt(game, 40, rule);
        ASSERT_TRUE(sheet.AddDarts({D(20)}));
        ASSERT_TRUE(game.CurrentLeg()->Finished());
        EXPECT_EQ(sheet.CheckDarts({S(1)}).Refusal, TRefusal::LegFinished);
        EXPECT_FALSE(sheet.AddDarts({S(1)}));
    }

    std::vector<TDart> bull;
    EXPECT_TRUE(ParseDarts("b", bull));
    EXPECT_EQ(bull, (std::vector<TDart>{D(25)}));

    // Two legs of 40 for Anna, each with a miss first: darts at a double over both.
    TGameParams params = GameParams(40, 1);
    params.LegsToWin = 3;
    game.NewGame(params);
    for (int leg = 0; leg < 2; ++leg) {
        ASSERT_TRUE(game.CurrentLeg()->CurrentSheet()->AddDarts({kMiss, D(20)}));
        game.NextLeg();
    }
    EXPECT_EQ(game.DoubleAttempts(0)[19], std::make_pair(2, 4));
    EXPECT_EQ(game.GetPlayerStats(0).DartsAtDouble, 4);
    ASSERT_TRUE(game.UndoNextLeg());
    EXPECT_TRUE(game.CurrentLeg()->Finished());
    EXPECT_TRUE(game.CurrentLeg()->GetSheet(0)->Won());
    EXPECT_EQ(game.GetPlayerStats(0).LegsWon, 2);

    // In the leg in play, just won: a correction of the loser's turn keeps the result and
    // stands; one that would take the win away is refused.
    params = GameParams(101, 2);
    game.NewGame(params);
    ASSERT_TRUE(PlayTurns(game, {60, 26, 41}));
    ASSERT_TRUE(game.CurrentLeg()->Finished());
    EXPECT_TRUE(game.CheckCorrectionInLeg(0, 1, 1, 30, 0).Accepted());
    ASSERT_TRUE(game.CorrectInLeg(0, 1, 1, 30, 0));
    EXPECT_EQ(game.CurrentLeg()->GetSheet(1)->LastEntry()->Remainder, 71);
    EXPECT_TRUE(game.CurrentLeg()->GetSheet(0)->Won());
    EXPECT_FALSE(game.CheckCorrectionInLeg(0, 0, 1, 61, 0).Accepted());

    params.StartScores = {1, 81};
    game.NewGame(params);
    EXPECT_EQ(game.CurrentLeg()->GetSheet(0)->LastEntry()->Remainder, 101);
    EXPECT_EQ(game.CurrentLeg()->GetSheet(1)->LastEntry()->Remainder, 81);
}
