// The computer opponent: where darts land, where it aims, what a turn gives the sheet, and
// that a chosen average is what it throws.

#include "bot/Bot.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace {

// A point at `radius` mm, `degrees` clockwise from the top.
TPoint At(double radius, double degrees)
{
    const double radians = degrees * std::numbers::pi / 180.0;
    return {radius * std::sin(radians), radius * std::cos(radians)};
}

} // namespace

TEST(Board, WiresDecideAsTheRingsAndSegmentsSay)
{
    struct TCase
    {
        double Radius;
        double Degrees;
        const char* Name;
    };
    const TCase cases[] = {
        {0.0, 0.0, "Bull"},    {6.34, 90.0, "Bull"}, {6.36, 90.0, "25"},   {15.89, 200.0, "25"},
        {15.91, 0.0, "S20"},   {98.99, 0.0, "S20"},  {99.0, 0.0, "T20"},   {106.99, 0.0, "T20"},
        {107.0, 0.0, "S20"},   {161.99, 0.0, "S20"}, {162.0, 0.0, "D20"},  {169.99, 0.0, "D20"},
        {170.0, 0.0, "Miss"},  {100.0, 8.99, "T20"}, {100.0, 9.01, "T1"},  {100.0, 351.01, "T20"},
        {100.0, 350.99, "T5"}, {166.0, 90.0, "D6"},  {166.0, 180.0, "D3"}, {166.0, 270.0, "D11"},
        {130.0, 288.0, "S14"},
    };
    for (const TCase& point : cases) {
        EXPECT_EQ(DartName(BedAt(At(point.Radius, point.Degrees))), point.Name)
            << point.Radius << " mm at " << point.Degrees << " degrees";
    }
    // Aiming at a bed's middle hits it.
    for (const TBed& bed : AllBeds()) {
        EXPECT_EQ(BedAt(AimPoint(bed)), std::optional<TBed>(bed)) << bed.Name();
    }
}

TEST(Bot, AimsAsAPlayerAims)
{
    const CBot good(100.0, 1);
    EXPECT_EQ(good.ScoringAim(), (TBed{TRing::Treble, 20}));
    EXPECT_EQ(good.Aim(32, 3, true), (TBed{TRing::Double, 16}));
    EXPECT_EQ(good.Aim(50, 1, true), (TBed{TRing::Bull, 25}));
    EXPECT_EQ(good.Aim(121, 3, true), CheckoutRoutes(121, 3).front().Darts.front());
    EXPECT_EQ(good.Aim(501, 3, true), good.ScoringAim());
    // One dart for 61 cannot finish: it sets up a double for the next turn, never busts.
    const TBed setUp = good.Aim(61, 1, true);
    EXPECT_EQ(CGame::CheckOutDarts(61 - setUp.Points()), 1) << setUp.Name();
    // 3 left with two darts: a single 1 for D1, not a double that would leave 1.
    EXPECT_EQ(good.Aim(3, 2, true), (TBed{TRing::Single, 1}));
}

TEST(Bot, ATurnIsWhatTheOperatorWouldType)
{
    const CBot bot(60.0, 7);
    int finishes = 0;
    int busts = 0;
    for (uint64_t key = 0; key < 3000; ++key) {
        const int32_t remainder = 2 + static_cast<int32_t>(key % 120);
        const TBotTurn turn = bot.Throw(remainder, false, true, key);
        EXPECT_EQ(bot.Throw(remainder, false, true, key).Thrown, turn.Thrown); // repeatable
        int32_t points = 0;
        int32_t thrown = 0;
        for (const std::string& dart : turn.Thrown) {
            if (dart.empty()) {
                continue;
            }
            ++thrown;
            const auto bed = std::find_if(AllBeds().begin(), AllBeds().end(),
                                          [&](const TBed& b) { return DartName(b) == dart; });
            points += bed != AllBeds().end() ? bed->Points() : 0;
        }
        if (turn.Darts > 0) {
            ++finishes;
            EXPECT_EQ(turn.Score, remainder);
            EXPECT_EQ(turn.Darts, thrown);
            EXPECT_EQ(points, remainder);
        } else if (turn.Score == 0 && points > 0) {
            ++busts; // a bust or a leave of 1 counts nothing, as typed
            const int32_t left = remainder - points;
            EXPECT_TRUE(left < 2) << remainder << " " << points;
        } else {
            EXPECT_EQ(points, turn.Score);
            EXPECT_EQ(thrown, 3);
            EXPECT_GE(remainder - turn.Score, 2);
        }
    }
    EXPECT_GT(finishes, 100);
    EXPECT_GT(busts, 10);
}

TEST(Bot, ThrowsTheChosenAverage)
{
    for (const double target : {30.0, 60.0, 95.0}) {
        const TBotFigures figures = SimulateLegs(CBot(target, 3), 2000);
        EXPECT_NEAR(figures.Average, target, 2.5) << target;
    }
}

// At every level, under the checkout rule: a finish is always on a double or the Bull, never
// a single or a treble; with one dart left and no finish, the dart leaves a finish on a double
// wherever one can; a dart exactly on a wire lands in the bed the geometry gives it.
TEST(Bot, FinishesOnADoubleAndLeavesOne)
{
    for (const double average : {20.0, 45.0, 70.0, 95.0, 110.0}) {
        const CBot bot(average, 11);
        for (uint64_t key = 0; key < 2000; ++key) {
            const int32_t remainder = 2 + static_cast<int32_t>(key % 169);
            const TBotTurn turn = bot.Throw(remainder, false, true, key);
            if (turn.Darts > 0) {
                const std::string& last = turn.Thrown[static_cast<size_t>(turn.Darts - 1)];
                EXPECT_TRUE(last.starts_with("D") || last == "Bull")
                    << average << ": " << remainder << " finished with " << last;
            }
        }
        for (int32_t remainder = 2; remainder <= 170; ++remainder) {
            if (CGame::CheckOutDarts(remainder) == 1) {
                continue;
            }
            const bool possible =
                std::any_of(AllBeds().begin(), AllBeds().end(), [remainder](const TBed& bed) {
                    return CGame::CheckOutDarts(remainder - bed.Points()) == 1;
                });
            const TBed aim = bot.Aim(remainder, 1, true);
            if (possible) {
                EXPECT_EQ(CGame::CheckOutDarts(remainder - aim.Points()), 1)
                    << remainder << " aimed at " << aim.Name();
            }
        }
    }
    const std::pair<TPoint, const char*> wires[] = {
        {At(kInnerBullRadius, 0.0), "25"},      {At(kOuterBullRadius, 0.0), "S20"},
        {At(kTrebleInnerRadius, 0.0), "T20"},   {At(kTrebleOuterRadius, 0.0), "S20"},
        {At(kDoubleInnerRadius, 0.0), "D20"},   {At(kDoubleOuterRadius, 0.0), "Miss"},
        {At(100.0, kSegmentDegrees / 2), "T1"}, {At(100.0, 360.0 - kSegmentDegrees / 2), "T20"},
    };
    for (const auto& [point, name] : wires) {
        EXPECT_EQ(DartName(BedAt(point)), name) << point.X << ", " << point.Y;
    }
}
