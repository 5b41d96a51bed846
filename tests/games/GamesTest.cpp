// Cricket and the practice games: turns against what they leave, how each game ends and who
// wins, and a match of legs over them.

#include "games/AroundTheClock.h"
#include "games/Bobs27.h"
#include "games/Checkout121.h"
#include "games/Cricket.h"
#include "games/GamesFigures.h"
#include "games/GamesMatch.h"
#include "model/DartNotation.h"

#include <gtest/gtest.h>
#include <memory>
#include <random>

namespace {

std::vector<TDart> Darts(const std::string& text)
{
    std::vector<TDart> darts;
    EXPECT_TRUE(ParseDarts(text, darts)) << text;
    return darts;
}

// Plays `turns` in throwing order; each must be taken.
void Play(CDartsGame& game, const std::vector<std::string>& turns)
{
    for (const std::string& turn : turns) {
        ASSERT_TRUE(game.AddTurn(Darts(turn))) << turn;
    }
}

// Every number closed by three trebles a turn (20, 19, 18 / 17, 16, 15 / bull x3).
const std::vector<std::string> kCloseAll = {"T20 T19 T18", "T17 T16 T15", "bull 25"};

struct TCricketCase
{
    const char* Name;
    int32_t Players;
    bool CutThroat;
    std::vector<std::string> Turns; // in throwing order from side 0
    std::vector<int32_t> Points;
    std::vector<int32_t> Marks20; // each side's marks on 20
    int32_t Winner;
};

} // namespace

TEST(Cricket, TurnsAgainstMarksPointsAndWinner)
{
    const std::vector<TCricketCase> cases = {
        {"extra marks score while an opponent is open",
         2,
         false,
         {"T20 T20 S20"},
         {80, 0},
         {3, 0},
         -1},
        {"a number all have closed scores nothing",
         2,
         false,
         {"T20", "T20 T20"},
         {0, 0},
         {3, 3},
         -1},
        {"a double and a single make three", 2, false, {"D20 S20 S20"}, {20, 0}, {3, 0}, -1},
        {"off the numbers marks nothing", 2, false, {"T14 D1 miss"}, {0, 0}, {0, 0}, -1},
        {"the bull scores 25 a mark", 2, false, {"bull bull 25"}, {50, 0}, {0, 0}, -1},
        {"cut-throat gives the points to the open",
         3,
         true,
         {"T20 T20"},
         {0, 60, 60},
         {3, 0, 0},
         -1},
        {"cut-throat spares who has closed",
         3,
         true,
         {"T20", "T20", "", "T20 S20"},
         {0, 0, 80},
         {3, 3, 0},
         -1},
        {"all closed, level on points, wins",
         2,
         false,
         {kCloseAll[0], kCloseAll[0], kCloseAll[1], kCloseAll[1], kCloseAll[2]},
         {0, 0},
         {3, 3},
         0},
        {"all closed but behind must score first",
         2,
         false,
         {"S1", "T20 T20", kCloseAll[0], kCloseAll[1], kCloseAll[1], "", kCloseAll[2], "", "T19"},
         {57, 60},
         {3, 3},
         -1},
        {"then the points that put it ahead win",
         2,
         false,
         {"S1", "T20 T20", kCloseAll[0], kCloseAll[1], kCloseAll[1], "", kCloseAll[2], "", "T19",
          "", "S19"},
         {76, 60},
         {3, 3},
         0},
        {"cut-throat: all closed and lowest wins",
         2,
         true,
         {kCloseAll[0], "T20", kCloseAll[1], "", kCloseAll[2]},
         {0, 0},
         {3, 3},
         0},
        {"cut-throat: all closed but higher plays on",
         2,
         true,
         {"S20", "T20 T20", kCloseAll[0], "", kCloseAll[1], "", kCloseAll[2]},
         {60, 0},
         {3, 3},
         -1},
        {"one side alone wins by closing", 1, false, kCloseAll, {0}, {3}, 0},
        {"cut-throat: a turn with no dart entered still wins",
         3,
         true,
         {"T19 T18 T17", "T20 T20", "", "T20 T16 T15", "", "", "bull 25", "", "T19 T19 T19", ""},
         {60, 114, 60},
         {3, 3, 0},
         0},
    };
    for (const TCricketCase& test : cases) {
        SCOPED_TRACE(test.Name);
        CCricketGame game(test.Players, test.CutThroat);
        Play(game, test.Turns);
        for (int32_t side = 0; side < test.Players; ++side) {
            EXPECT_EQ(game.Points(side), test.Points[static_cast<size_t>(side)]) << side;
            EXPECT_EQ(game.Marks(side, 20), test.Marks20[static_cast<size_t>(side)]) << side;
        }
        EXPECT_EQ(game.Winner(), test.Winner);
        EXPECT_EQ(game.PlayerToThrow() < 0, test.Winner >= 0);
    }
}

TEST(Cricket, RefusalsUndoAndMarksPerRound)
{
    CCricketGame game(2, false);
    EXPECT_EQ(game.CheckTurn(std::vector<TDart>(4, TDart{20, 3})), TTurnRefusal::TooManyDarts);
    EXPECT_EQ(game.CheckTurn({{25, 3}}), TTurnRefusal::NotADart);
    Play(game, {"T20 S19 miss", "T20 T20 T20"});
    // Side 0: 3 + 1 marks in three darts; side 1 closed 20 and scored 60 (side 0 had closed it:
    // nothing) -> 3 marks.
    EXPECT_DOUBLE_EQ(game.MarksPerRound(0), 4.0);
    EXPECT_DOUBLE_EQ(game.MarksPerRound(1), 3.0);
    EXPECT_EQ(game.TurnMarks(1), 3);
    ASSERT_TRUE(game.UndoTurn());
    EXPECT_EQ(game.PlayerToThrow(), 1);
    EXPECT_EQ(game.Marks(1, 20), 0);
    EXPECT_EQ(game.Marks(0, 19), 1);
    // A dart after the winning one is refused; the winning turn counts the darts to the win.
    CCricketGame alone(1, false);
    Play(alone, {kCloseAll[0], kCloseAll[1]});
    EXPECT_EQ(alone.CheckTurn({{25, 1}, {25, 1}, {25, 1}}), TTurnRefusal::None);
    EXPECT_EQ(alone.CheckTurn({{25, 2}, {25, 2}, {25, 1}}), TTurnRefusal::DartAfterEnd);
    Play(alone, {"bull 25"});
    EXPECT_EQ(alone.Winner(), 0);
    EXPECT_EQ(alone.DartsThrown(0), 8);
    EXPECT_EQ(alone.CheckTurn({}), TTurnRefusal::GameOver);
    EXPECT_EQ(CCricketGame::MarkSymbol(3), "\u24CD");
}

TEST(PracticeGames, AroundTheClockEndsPastTheBullAndFewestDartsWin)
{
    CAroundTheClock game(2, false);
    // Side 0 hits everything in order: 21 targets, the last turn stops at the bull.
    std::vector<std::string> turns;
    for (int32_t number = 1; number <= 18; number += 3) {
        turns.push_back("S" + std::to_string(number) + " T" + std::to_string(number + 1) + " D" +
                        std::to_string(number + 2));
        turns.push_back("miss"); // side 1
    }
    Play(game, turns);
    EXPECT_EQ(game.Target(0), 19);
    EXPECT_EQ(game.Target(1), 1);
    Play(game, {"19 20 25"});
    EXPECT_EQ(game.Target(0), 0);
    EXPECT_FALSE(game.Over());
    // Side 0 is done: side 1 throws on alone, and wins nothing with more darts.
    EXPECT_EQ(game.PlayerToThrow(), 1);
    EXPECT_EQ(game.DartsThrown(0), 21);
    for (int32_t turn = 0; turn < 6 && !game.Over(); ++turn) {
        Play(game, {"S" + std::to_string(3 * turn + 1) + " S" + std::to_string(3 * turn + 2) +
                    " S" + std::to_string(3 * turn + 3)});
    }
    Play(game, {"19 20 bull"});
    EXPECT_TRUE(game.Over());
    EXPECT_EQ(game.Winner(), 0);

    // Fast: a treble moves three (but never past the bull), the bull two; a dart after the last
    // target is refused.
    CAroundTheClock fast(1, true);
    Play(fast, {"T1 T4 T7", "T10 T13 T16", "T19"});
    EXPECT_EQ(fast.Target(0), 25);
    EXPECT_EQ(fast.CheckTurn(Darts("bull 1")), TTurnRefusal::DartAfterEnd);
    Play(fast, {"bull"});
    EXPECT_EQ(fast.Winner(), 0);
    EXPECT_EQ(fast.DartsThrown(0), 10);
}

TEST(PracticeGames, BobsTwentySevenAddsHitsTakesMissesAndEndsAtZero)
{
    CBobs27 game(2);
    // D1: side 0 hits twice (+4), side 1 misses (-2); D2: side 0 misses (-4), side 1 hits.
    Play(game, {"D1 D1 1", "S1", "D1", "D2"});
    EXPECT_EQ(game.Score(0), 27);
    EXPECT_EQ(game.Score(1), 29);
    EXPECT_EQ(game.Target(0), (TDart{3, 2}));
    // Side 0 misses D3..D6 (-6, -8, -10, -12): out below zero, side 1 throws on alone.
    for (int32_t round = 3; round <= 6; ++round) {
        Play(game, {"miss", "D" + std::to_string(round)});
    }
    EXPECT_EQ(game.Score(0), -9);
    EXPECT_EQ(game.PlayerToThrow(), 1);
    for (int32_t round = 7; round <= 20; ++round) {
        Play(game, {"D" + std::to_string(round)});
    }
    EXPECT_FALSE(game.Over());
    Play(game, {"bull bull 25"});
    EXPECT_TRUE(game.Over());
    EXPECT_EQ(game.Score(1), 29 + 2 * (3 + 4 + 5 + 6) + 2 * (7 + 20) * 14 / 2 + 100);
    EXPECT_EQ(game.Winner(), 1);
    EXPECT_EQ(game.DartsThrown(1), 63);
    EXPECT_EQ(game.DartsThrown(0), 18);
    // A side alone: the game ends when it is out (27 - 2 - 4 - 6 - 8 - 10).
    CBobs27 alone(1);
    for (int32_t round = 1; round <= 4; ++round) {
        Play(alone, {"miss"});
    }
    EXPECT_EQ(alone.Score(0), 7);
    Play(alone, {"S5"});
    EXPECT_TRUE(alone.Over());
    EXPECT_EQ(alone.Score(0), -3);
}

TEST(PracticeGames, OneTwentyOneMovesTheTargetAndCountsTheRate)
{
    CCheckout121 game(1);
    // 121 in three darts: the target moves up to 122.
    Play(game, {"T20 T11 D14"});
    EXPECT_EQ(game.Target(0), 122);
    EXPECT_EQ(game.BestTarget(0), 121);
    EXPECT_EQ(game.DartsThrown(0), 3);
    // A bust (to 1) puts back the turn's start and costs its three darts; nine darts without a
    // checkout move the target down, never below 121.
    Play(game, {"T20 T20 1"});
    EXPECT_EQ(game.Remainder(0), 122);
    EXPECT_EQ(game.DartsLeft(0), 6);
    Play(game, {"20 20", "20"});
    EXPECT_EQ(game.Target(0), 121);
    EXPECT_EQ(game.Remainder(0), 121);
    EXPECT_DOUBLE_EQ(game.CheckoutRate(0), 50.0);
    EXPECT_EQ(game.CheckTurn(Darts("T20 T20 D1")), TTurnRefusal::DartAfterEnd);
    // Ten targets end the game.
    while (!game.Over()) {
        Play(game, {"miss"});
    }
    EXPECT_EQ(game.Attempts(0), CCheckout121::kTargets);
    EXPECT_EQ(game.DartsThrown(0), 3 + 9 * 9);
    EXPECT_EQ(game.Winner(), 0);
    EXPECT_EQ(game.CheckTurn({}), TTurnRefusal::GameOver);
}

TEST(GamesMatch, LegsAndSetsAsInX01)
{
    TGameParams params;
    params.PlayerCount = 2;
    params.LegsToWin = 2;
    params.SetsToWin = 2;
    params.TeamSize = 2;
    CGamesMatch match(TGameKind::Cricket, params);
    EXPECT_EQ(match.CurrentLeg().PlayerToThrow(), 0);
    const auto winLeg = [&match] {
        const int32_t starter = match.CurrentLeg().PlayerToThrow();
        for (const std::string& turn : kCloseAll) {
            ASSERT_TRUE(match.AddTurn(Darts(turn)));
            if (match.CurrentLeg().Over()) {
                break;
            }
            ASSERT_TRUE(match.AddTurn({}));
        }
        EXPECT_EQ(match.CurrentLeg().Winner(), starter);
    };
    // The first thrower moves on from leg to leg and set to set: 0 1 0 | 1 0 1 | 0 1 0, each
    // leg won by its first thrower; side 0 wins the first and third sets.
    for (int32_t leg = 0; leg < 9; ++leg) {
        SCOPED_TRACE(leg);
        EXPECT_EQ(match.CurrentLeg().PlayerToThrow(), leg % 2);
        EXPECT_EQ(match.ThrowerToThrow(0), leg % 2);
        winLeg();
        EXPECT_EQ(match.MatchWinner(), leg == 8 ? 0 : -1);
        EXPECT_EQ(match.NextLeg(), leg < 8);
        if (leg == 3) {
            EXPECT_EQ(match.SetsWon(0), 1);
            EXPECT_EQ(match.LegsInSet(1), 1);
            EXPECT_TRUE(match.CanUndoNextLeg());
            ASSERT_TRUE(match.UndoNextLeg());
            EXPECT_FALSE(match.CanUndoNextLeg());
            ASSERT_TRUE(match.NextLeg());
        }
    }
    EXPECT_EQ(match.SetsWon(0), 2);
    EXPECT_EQ(match.LegsWon(0), 5);
    EXPECT_EQ(match.LegsWon(1), 4);
}

// Each game's own statistics over the turns played: one row a figure, one value a side.
TEST(GamesFigures, EachGameCountsItsOwnFigures)
{
    struct TCase
    {
        TGameKind Kind;
        int32_t Players;
        std::vector<std::string> Turns;
        std::vector<std::pair<std::string, std::vector<std::string>>> Rows; // those checked
    };
    const std::vector<TCase> cases = {
        {TGameKind::Cricket,
         2,
         {"T20 T20 T20", "S20", "S19 S14"},
         {{"Darts Thrown", {"6", "3"}},
          {"Marks", {"10", "1"}},
          {"Marks Per Round (MPR)", {"5.00", "1.00"}},
          {"Points Scored", {"120", "0"}},
          {"Most Marks in a Turn", {"9", "1"}},
          {"Turns of 5+ Marks", {"1", "0"}}}},
        {TGameKind::CutThroatCricket, 2, {"T20 T20"}, {{"Points Given", {"60", "0"}}}},
        {TGameKind::AroundTheClock,
         1,
         {"1 2 3", "4 miss"},
         {{"Targets Reached", {"4"}}, {"Darts Per Target", {"1.50"}}}},
        {TGameKind::Bobs27,
         1,
         {"D1 miss D1", "miss"},
         {{"Doubles Hit", {"2"}}, {"Doubles Hit %", {"33.33%"}}, {"Best Score", {"27"}}}},
        {TGameKind::Checkout121,
         1,
         {"T20 T11 D14", "T20 S1"},
         {{"Darts Thrown", {"6"}},
          {"Targets Played", {"1"}},
          {"Checkouts", {"1"}},
          {"Checkout Rate", {"100.00%"}},
          {"Best Target", {"121"}}}},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(GameName(test.Kind));
        TGameParams params;
        params.PlayerCount = test.Players;
        CGamesMatch match(test.Kind, params);
        for (const std::string& turn : test.Turns) {
            ASSERT_TRUE(match.AddTurn(Darts(turn))) << turn;
        }
        const std::vector<TFigureRow> rows = GamesFigures(match);
        for (const auto& [caption, values] : test.Rows) {
            const auto row = std::find_if(rows.begin(), rows.end(), [&](const TFigureRow& r) {
                return r.Caption == caption;
            });
            ASSERT_NE(row, rows.end()) << caption;
            EXPECT_EQ(row->Values, values) << caption;
        }
    }
}

namespace {

// Everything a game shows and counts, as one text: its table, headlines, who throws and won,
// and each side's darts and the game's own figures.
std::string Snapshot(const CDartsGame& game)
{
    std::string shot = std::to_string(game.PlayerToThrow()) + '|' + std::to_string(game.Winner()) +
                       '|' + std::to_string(game.TurnCount());
    const TGameTable table = game.Table();
    for (const auto& row : table.Cells) {
        for (const std::string& cell : row) {
            shot += '|' + cell;
        }
    }
    for (int32_t side = 0; side < game.Players(); ++side) {
        shot += '|' + table.Headlines[static_cast<size_t>(side)] + ':' +
                std::to_string(game.DartsThrown(side));
        if (const auto* cricket = dynamic_cast<const CCricketGame*>(&game)) {
            shot += ':' + std::to_string(cricket->Points(side));
        } else if (const auto* clock = dynamic_cast<const CAroundTheClock*>(&game)) {
            shot += ':' + std::to_string(clock->Progress(side));
        } else if (const auto* bobs = dynamic_cast<const CBobs27*>(&game)) {
            shot +=
                ':' + std::to_string(bobs->Score(side)) + ':' + std::to_string(bobs->Hits(side));
        } else if (const auto* drill = dynamic_cast<const CCheckout121*>(&game)) {
            shot += ':' + std::to_string(drill->Target(side)) + ':' +
                    std::to_string(drill->Remainder(side)) + ':' +
                    std::to_string(drill->BestTarget(side));
        }
    }
    if (const auto* cricket = dynamic_cast<const CCricketGame*>(&game);
        cricket != nullptr && game.TurnCount() > 0) {
        shot += '|' + std::to_string(cricket->TurnMarks(game.TurnCount() - 1)) + ':' +
                std::to_string(cricket->TurnPoints(game.TurnCount() - 1));
    }
    return shot;
}

// The darts of a 121 checkout of `target` in three: T20, a treble and a double.
std::vector<TDart> Checkout(int32_t target)
{
    for (int32_t value = 20; value >= 1; --value) {
        const int32_t rest = target - 60 - 2 * value;
        if (rest > 0 && rest % 3 == 0 && rest / 3 <= 20) {
            return {{20, 3}, {rest / 3, 3}, {value, 2}};
        }
    }
    return {};
}

} // namespace

// In every game, after any turn is undone the whole game is as it was before the turn, and the
// same turn played again (a finishing one included) counts as it did.
TEST(Games, UndoRestoresEveryGameExactly)
{
    std::mt19937 random(2026);
    for (const TGameKind kind : kOtherGames) {
        SCOPED_TRACE(GameName(kind));
        const std::unique_ptr<CDartsGame> game = MakeGame(kind, 3, 1);
        for (int turn = 0; turn < 400 && !game->Over(); ++turn) {
            // Mostly the darts the game asks for, sometimes any dart, sometimes fewer.
            std::vector<TDart> darts;
            const int32_t player = game->PlayerToThrow();
            const auto count = static_cast<size_t>(random() % 4);
            for (size_t index = 0; index < count; ++index) {
                int32_t segment = static_cast<int32_t>(random() % 22);
                segment = segment == 21 ? 25 : segment;
                if (const auto* clock = dynamic_cast<const CAroundTheClock*>(game.get());
                    clock != nullptr && random() % 2 == 0) {
                    segment = clock->Target(player);
                }
                const int32_t multiplier = segment == 0    ? 1
                                           : segment == 25 ? 1 + static_cast<int32_t>(random() % 2)
                                                           : 1 + static_cast<int32_t>(random() % 3);
                darts.push_back({segment, multiplier});
            }
            if (const auto* drill = dynamic_cast<const CCheckout121*>(game.get());
                drill != nullptr && random() % 3 == 0) {
                darts = Checkout(drill->Remainder(player));
            }
            if (game->CheckTurn(darts) != TTurnRefusal::None) {
                continue;
            }
            const std::string before = Snapshot(*game);
            ASSERT_TRUE(game->AddTurn(darts));
            const std::string after = Snapshot(*game);
            ASSERT_TRUE(game->UndoTurn());
            ASSERT_EQ(Snapshot(*game), before) << "turn " << turn;
            ASSERT_TRUE(game->AddTurn(darts));
            ASSERT_EQ(Snapshot(*game), after) << "turn " << turn;
        }
        EXPECT_TRUE(game->Over());
    }
}

// With two to four sides any side can win each game, and sides that do the same tie: the
// fewest darts round the clock, the highest Bob's 27, the most 121 checkouts, then the highest
// target checked out.
TEST(Games, AnySideWinsAndEqualSidesTie)
{
    // How side `player` throws when it is the one to win (`best`) or not.
    const auto turn = [](const CDartsGame& game, int32_t player, bool best) {
        if (const auto* clock = dynamic_cast<const CAroundTheClock*>(&game)) {
            const TDart hit{clock->Target(player), 1};
            return best || clock->TurnsOf(player) > 0 ? std::vector<TDart>{hit, hit, hit}
                                                      : std::vector<TDart>{};
        }
        if (const auto* bobs = dynamic_cast<const CBobs27*>(&game)) {
            return best ? std::vector<TDart>{bobs->Target(player)} : std::vector<TDart>{};
        }
        const auto& drill = dynamic_cast<const CCheckout121&>(game);
        // The loser checks out every other target: as many checkouts as the winner's odd
        // ones, never as high a target.
        return best || drill.Attempts(player) % 2 == 1 ? Checkout(drill.Remainder(player))
                                                       : std::vector<TDart>{};
    };
    for (const TGameKind kind :
         {TGameKind::AroundTheClock, TGameKind::Bobs27, TGameKind::Checkout121}) {
        for (int32_t players = 2; players <= 4; ++players) {
            for (int32_t winner = -1; winner < players; ++winner) {
                SCOPED_TRACE(std::string(GameName(kind)) + " sides " + std::to_string(players) +
                             " winner " + std::to_string(winner));
                const std::unique_ptr<CDartsGame> game =
                    MakeGame(kind, players, (winner + 2) % players);
                while (!game->Over()) {
                    const int32_t player = game->PlayerToThrow();
                    std::vector<TDart> darts = turn(*game, player, winner < 0 || player == winner);
                    // A clock's hits past the bull are not thrown.
                    while (game->CheckTurn(darts) == TTurnRefusal::DartAfterEnd) {
                        darts.pop_back();
                    }
                    ASSERT_TRUE(game->AddTurn(darts));
                }
                EXPECT_EQ(game->Winner(), winner);
            }
        }
    }
}

// The rules' edges, each a case of a few turns.
TEST(Games, RuleEdges)
{
    // A cricket dart that closes a number and scores with its extra marks at once.
    CCricketGame cricket(2, false);
    Play(cricket, {"S20", "", "T20"});
    EXPECT_EQ(cricket.Marks(0, 20), 3);
    EXPECT_EQ(cricket.Points(0), 20);
    EXPECT_EQ(cricket.TurnMarks(2), 3);
    EXPECT_EQ(cricket.TurnPoints(2), 20);

    // 121: a single that would check out is a bust (the remainder goes back); the best target
    // is the highest checked out; nine darts without a checkout never take it below 121.
    CCheckout121 drill(1);
    Play(drill, {"T20 T17 S10"});
    EXPECT_EQ(drill.Remainder(0), 121); // 10 left, and a single 10 is a bust
    Play(drill, {"T20 T20", "miss"});
    EXPECT_EQ(drill.Target(0), 121);
    EXPECT_EQ(drill.Attempts(0), 1);
    Play(drill, {"T20 T11 D14", "T20 T20 D1", "miss", "miss", "miss"});
    EXPECT_EQ(drill.BestTarget(0), 122);
    EXPECT_EQ(drill.Target(0), 122);
    EXPECT_EQ(drill.Checkouts(0), 2);

    // Pairs alternate within a leg in the games, as in X01; a games match without sets.
    TGameParams pairs;
    pairs.PlayerCount = 2;
    pairs.TeamSize = 2;
    pairs.LegsToWin = 2;
    pairs.ThrowerNames = {"Anna", "Ben", "Cleo", "Dan"};
    CGamesMatch match(TGameKind::Cricket, pairs);
    std::vector<int32_t> throwers;
    for (int turn = 0; turn < 4; ++turn) {
        throwers.push_back(match.ThrowerToThrow(match.CurrentLeg().PlayerToThrow()));
        ASSERT_TRUE(match.AddTurn({}));
    }
    EXPECT_EQ(throwers, (std::vector<int32_t>{0, 0, 1, 1}));
    EXPECT_EQ(match.SetNumber(), 1);
    EXPECT_EQ(match.SetsWon(0), 0);

    // Cut-throat is cricket wherever cricket is asked.
    EXPECT_TRUE(IsCricket(TGameKind::CutThroatCricket));
    EXPECT_NE(dynamic_cast<const CCricketGame*>(MakeGame(TGameKind::CutThroatCricket, 2, 0).get()),
              nullptr);
}

// The games' figures: a side that has not thrown shows no "nan", Bob's 27 best below zero is
// said as it is, five marks make a "5+" turn, and a leg's starter is the side that began it.
TEST(GamesFigures, EdgesOfTheFigures)
{
    TGameParams params;
    params.PlayerCount = 2;
    CGamesMatch cricket(TGameKind::Cricket, params);
    ASSERT_TRUE(cricket.AddTurn(Darts("T20 D20")));
    TGameParams alone;
    alone.PlayerCount = 1;
    CGamesMatch bobs(TGameKind::Bobs27, alone);
    for (int turn = 0; turn < 5; ++turn) {
        ASSERT_TRUE(bobs.AddTurn({}));
    }
    const auto value = [](const CGamesMatch& match, const std::string& caption, size_t side) {
        for (const TFigureRow& row : GamesFigures(match)) {
            if (row.Caption == caption) {
                return row.Values.at(side);
            }
        }
        return std::string("(no row)");
    };
    for (const TFigureRow& row : GamesFigures(cricket)) {
        for (const std::string& shown : row.Values) {
            EXPECT_EQ(shown.find("nan"), std::string::npos) << row.Caption;
        }
    }
    EXPECT_EQ(value(cricket, "Turns of 5+ Marks", 0), "1");
    EXPECT_EQ(dynamic_cast<const CBobs27&>(bobs.CurrentLeg()).Score(0), -3);
    EXPECT_EQ(value(bobs, "Best Score", 0), "-3");
    ASSERT_TRUE(cricket.AddTurn({}));
    ASSERT_TRUE(cricket.NextLeg());
    ASSERT_TRUE(cricket.AddTurn({}));
    const std::vector<TGamesLegRow> legs = GamesLegRows(cricket);
    ASSERT_EQ(legs.size(), size_t{2});
    EXPECT_EQ(legs[0].Starter, 0);
    EXPECT_EQ(legs[1].Starter, 1); // though side 0 is to throw now
}
