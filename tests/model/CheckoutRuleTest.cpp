#include "model/UnitVTXGameLogic.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace {

// Every bed of the board: singles, doubles, trebles, the outer bull (25) and the bull (50).
struct Beds
{
    std::vector<int> Any{0}; // a dart may miss
    std::vector<int> Doubles;
    Beds()
    {
        for (int n = 1; n <= 20; ++n) {
            Any.insert(Any.end(), {n, 2 * n, 3 * n});
            Doubles.push_back(2 * n);
        }
        Any.insert(Any.end(), {25, 50});
        Doubles.push_back(50);
    }
};

// The checkout class of every total up to 200, found by trying every combination of darts,
// independent of the model.
std::map<int, int> EnumeratedClasses()
{
    const Beds beds;
    std::map<int, int> classes;
    for (int a : beds.Any) {
        for (int b : beds.Any) {
            for (int c : beds.Any) {
                classes[a + b + c] = 0; // a turn can score this
            }
        }
    }
    // The last dart is a double or the bull; the darts before it may be anything, misses
    // included. Fewer darts win over more.
    for (int last : beds.Doubles) {
        for (int a : beds.Any) {
            for (int b : beds.Any) {
                const int darts = a == 0 && b == 0 ? 1 : (a == 0 || b == 0 ? 2 : 3);
                int& known = classes[a + b + last];
                if (known == 0 || darts < known) {
                    known = darts;
                }
            }
        }
    }
    return classes;
}

int EnumeratedClass(int score)
{
    static const std::map<int, int> classes = EnumeratedClasses();
    const auto found = classes.find(score);
    return found == classes.end() ? -1 : found->second;
}

TEST(CheckOutRule, EveryScoreMatchesAnEnumerationOfDarts)
{
    for (int score = -5; score <= 185; ++score) {
        EXPECT_EQ(CGame::CheckOutDarts(score), EnumeratedClass(score)) << "score " << score;
    }
}

TEST(CheckOutRule, ExtremeArgumentsAreNoTurnScore)
{
    EXPECT_EQ(CGame::CheckOutDarts(INT32_MIN), -1);
    EXPECT_EQ(CGame::CheckOutDarts(INT32_MAX), -1);
}

// 163, 166 and 169 cannot be thrown with three darts, so they are refused as turn scores.
TEST(CheckOutRule, UnthrowableScoresAreRefusedAsTurns)
{
    for (int score : {163, 166, 169, 172, 179, 181}) {
        CGame game;
        TGameParams params;
        params.PlayerCount = 1;
        params.StartScore = 501;
        params.CheckOutRule = true;
        game.NewGame(params);
        EXPECT_FALSE(game.CurrentLeg()->CurrentSheet()->AddThrow(score, 0)) << score;
        EXPECT_EQ(game.CurrentLeg()->CurrentSheet()->EntryCount(), 1);
    }
}

} // namespace
