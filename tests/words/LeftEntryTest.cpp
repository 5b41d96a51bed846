// A turn typed as what it leaves ("r141") stands for the score that leaves it, and is refused as
// that score would be, in words that name what was typed.

#include "model/DartNotation.h"
#include "model/UnitVTXGameLogic.h"
#include "words/Refusals.h"

#include <gtest/gtest.h>

TEST(LeftEntry, StandsForTheScoreThatLeavesIt)
{
    struct TCase
    {
        const char* Typed;
        int32_t Before; // the total before the turn; 0 with CountUp
        bool CountUp;
        int32_t Score; // the turn it stands for; -1: not a remainder entry at all
        const char* Refusal;
    };
    const TCase cases[] = {
        {"r141", 301, false, 160, ""},
        {"=141", 301, false, 160, ""},
        {" R141 ", 301, false, 160, ""},
        {"r0", 40, false, 40, ""}, // the checkout, as typing 40 is
        {"r40", 40, false, 0, ""}, // nothing scored
        {"r1", 40, false, 39, "That would leave 1"},
        {"r50", 40, false, 0, "From 40, 50 cannot be left"},
        {"r100", 301, false, 201,
         "From 301, 100 left means 201: 201 cannot be scored with three darts"},
        {"r122", 301, false, 179,
         "From 301, 122 left means 179: 179 cannot be scored with three darts"},
        {"r0", 159, false, 159, "From 159, 0 left means 159: 159 cannot be finished on a double"},
        {"r5", 0, true, 0, "This game counts up: enter the score, not what is left"},
        {"141", 301, false, -1, ""},
        {"r", 301, false, -1, ""},
        {"r1000", 301, false, -1, ""},
        {"r 14", 301, false, -1, ""},
        {"rr1", 301, false, -1, ""},
        {"T20", 301, false, -1, ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Typed);
        const std::optional<int32_t> left = ParseLeft(c.Typed);
        ASSERT_EQ(left.has_value(), c.Score >= 0);
        if (!left) {
            continue;
        }
        TGameParams params;
        params.PlayerCount = 1;
        params.StartScore = c.CountUp ? 0 : c.Before;
        params.TargetScore = c.CountUp ? -1 : 0;
        params.CountUp = c.CountUp;
        params.CheckOutRule = !c.CountUp;
        params.Player1Name = "Anna";
        CGame game;
        game.NewGame(params);
        const CPlayerScores& sheet = *game.CurrentLeg()->CurrentSheet();
        const TLeftTurn turn = LeftTurn(sheet.LastEntry()->Remainder, *left, c.CountUp,
                                        [&](int32_t score) { return sheet.CheckThrow(score, 0); });
        EXPECT_EQ(turn.Refusal.toStdString(), c.Refusal);
        if (turn.Refusal.isEmpty()) {
            EXPECT_EQ(turn.Score, c.Score);
        }
    }
}
