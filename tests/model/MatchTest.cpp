// Match length and sets, corrections of any turn, and the reasons a turn is refused.

#include "MatchTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Plays one 40 leg won by `winner`: the starter throws 0 first when it is the other player.
// Returns the leg's first thrower.
int32_t PlayLegWonBy(CGame& game, int32_t winner)
{
    CLeg& leg = *game.CurrentLeg();
    const int32_t starter = leg.PlayerToThrow();
    if (starter != winner) {
        EXPECT_TRUE(leg.CurrentSheet()->AddThrow(0, 0));
    }
    EXPECT_TRUE(leg.CurrentSheet()->AddThrow(40, 0));
    return starter;
}

struct TMatchCase
{
    const char* Name;
    int32_t Players, First, LegsToWin, SetsToWin;
    std::vector<int32_t> Winners;  // of each leg in turn
    std::vector<int32_t> Starters; // expected first thrower of each leg
    int32_t MatchWinner;
    std::vector<int32_t> SetsWon;
};

TEST(Match, LengthSetsStartersAndWinner)
{
    const std::vector<TMatchCase> cases = {
        {"open", 2, 0, 0, 0, {0, 0, 0, 0}, {0, 1, 0, 1}, -1, {0, 0}},
        {"first to 2 legs", 2, 0, 2, 0, {0, 1, 0}, {0, 1, 0}, 0, {0, 0}},
        {"first to 3, second starts", 2, 1, 3, 0, {1, 1, 0, 1}, {1, 0, 1, 0}, 1, {0, 0}},
        // A set of two legs: whole-match alternation would give the next set to the same
        // starter; the set's starter alternates instead.
        {"sets of 2 legs, first to 2 sets",
         2,
         1,
         2,
         2,
         {1, 1, 0, 0, 1, 1},
         {1, 0, 0, 1, 1, 0},
         1,
         {1, 2}},
        {"sets of 3 legs", 2, 0, 3, 1, {0, 1, 0, 1, 0}, {0, 1, 0, 1, 0}, 0, {1, 0}},
        {"sets without a leg count are open", 2, 0, 0, 2, {0, 0, 0}, {0, 1, 0}, -1, {0, 0}},
        {"one player", 1, 0, 2, 0, {0, 0}, {0, 0}, 0, {0}},
    };
    for (const TMatchCase& test : cases) {
        SCOPED_TRACE(test.Name);
        CGame game;
        TGameParams params = GameParams(40, test.Players, test.First);
        params.LegsToWin = test.LegsToWin;
        params.SetsToWin = test.SetsToWin;
        game.NewGame(params);
        std::vector<int32_t> starters;
        for (size_t leg = 0; leg < test.Winners.size(); ++leg) {
            EXPECT_EQ(game.MatchWinner(), -1) << "before leg " << leg + 1;
            starters.push_back(PlayLegWonBy(game, test.Winners[leg]));
            game.NextLeg();
        }
        EXPECT_EQ(starters, test.Starters);
        EXPECT_EQ(game.MatchWinner(), test.MatchWinner);
        for (int32_t player = 0; player < test.Players; ++player) {
            EXPECT_EQ(game.SetsWon(player), test.SetsWon[static_cast<size_t>(player)]);
            // Every leg counts in the statistics, sets or not.
            EXPECT_EQ(game.GetPlayerStats(player).LegsWon,
                      std::count(test.Winners.begin(), test.Winners.end(), player));
        }
        if (test.MatchWinner >= 0) {
            // A won match takes no new leg and no turn; undoing the last turn reopens it.
            EXPECT_EQ(game.LegCount(), static_cast<int32_t>(test.Winners.size()));
            EXPECT_FALSE(game.CurrentLeg()->CurrentSheet() != nullptr &&
                         game.CurrentLeg()->GetSheet(0)->AddThrow(0, 0));
            CPlayerScores& sheet = *game.CurrentLeg()->GetSheet(0);
            ASSERT_TRUE(sheet.UndoThrow());
            EXPECT_EQ(game.MatchWinner(), -1);
        }
    }
}

TEST(Match, SetAndLegNumbersAndLegsInTheSet)
{
    CGame game;
    TGameParams params = GameParams(40);
    params.LegsToWin = 2;
    params.SetsToWin = 3;
    game.NewGame(params);
    PlayLegWonBy(game, 0);
    EXPECT_EQ(game.LegsInSet(0), 1);
    game.NextLeg();
    EXPECT_EQ(game.LegNumberInSet(), 2);
    PlayLegWonBy(game, 0); // set 1 to Anna: the legs start again
    EXPECT_EQ(game.LegsInSet(0), 0);
    EXPECT_EQ(game.SetsWon(0), 1);
    EXPECT_EQ(game.SetNumber(), 1);
    game.NextLeg();
    EXPECT_EQ(game.SetNumber(), 2);
    EXPECT_EQ(game.LegNumberInSet(), 1);
}

// A sheet typed turn by turn: each pair is a score and the darts claimed.
using TTurns = std::vector<std::pair<int32_t, int32_t>>;

void Type(CGame& game, int32_t start, int32_t players, const TTurns& turns)
{
    game.NewGame(GameParams(start, players));
    for (const auto& [score, darts] : turns) {
        ASSERT_TRUE(game.CurrentLeg()->CurrentSheet()->AddThrow(score, darts)) << score;
    }
}

void ExpectSameMatch(const CGame& corrected, const CGame& typed)
{
    const CLeg& a = *corrected.CurrentLeg();
    const CLeg& b = *typed.CurrentLeg();
    EXPECT_EQ(a.Finished(), b.Finished());
    EXPECT_EQ(a.PlayerToThrow(), b.PlayerToThrow());
    for (int32_t player = 0; player < a.SheetCount(); ++player) {
        const CPlayerScores& x = *a.GetSheet(player);
        const CPlayerScores& y = *b.GetSheet(player);
        ASSERT_EQ(x.EntryCount(), y.EntryCount());
        for (int32_t entry = 0; entry < x.EntryCount(); ++entry) {
            EXPECT_EQ(x.GetEntry(entry)->Score, y.GetEntry(entry)->Score);
            EXPECT_EQ(x.GetEntry(entry)->Remainder, y.GetEntry(entry)->Remainder);
            EXPECT_EQ(x.ClaimedDarts(entry), y.ClaimedDarts(entry));
        }
        EXPECT_EQ(x.Won(), y.Won());
        EXPECT_EQ(x.DartCount(), y.DartCount());
        EXPECT_EQ(x.OutShotDarts(), y.OutShotDarts());
        EXPECT_EQ(x.HighestTurn(), y.HighestTurn());
        EXPECT_EQ(x.LowestTurn(), y.LowestTurn());
        EXPECT_EQ(x.Count100(), y.Count100());
        EXPECT_EQ(x.Count140(), y.Count140());
        EXPECT_EQ(x.PossibleOutShots(), y.PossibleOutShots());
        const TPlayerStats s = corrected.GetPlayerStats(player);
        const TPlayerStats t = typed.GetPlayerStats(player);
        EXPECT_EQ(s.LegsWon, t.LegsWon);
        EXPECT_EQ(s.DartsThrown, t.DartsThrown);
        EXPECT_EQ(s.OutShotPoints, t.OutShotPoints);
        EXPECT_DOUBLE_EQ(s.TurnAverage, t.TurnAverage);
    }
}

struct TCorrection
{
    const char* Name;
    int32_t Start, Players;
    TTurns Turns;
    int32_t Player, Index, Score, Darts;
    TTurns Typed;                    // the same match typed right the first time
    std::vector<std::string> Events; // fired by the correction
};

TEST(Correction, EqualsTheMatchTypedRightTheFirstTime)
{
    const std::vector<TCorrection> cases = {
        {"an early turn",
         501,
         1,
         {{100, 0}, {60, 0}, {140, 0}, {45, 0}},
         0,
         2,
         85,
         0,
         {{100, 0}, {85, 0}, {140, 0}, {45, 0}},
         {"sheet0"}},
        {"the last turn wins",
         301,
         1,
         {{100, 0}, {100, 0}, {60, 0}},
         0,
         3,
         101,
         0,
         {{100, 0}, {100, 0}, {101, 0}},
         {"sheet0", "won0", "turn-"}},
        {"the win taken back",
         301,
         1,
         {{100, 0}, {100, 0}, {101, 2}},
         0,
         3,
         81,
         0,
         {{100, 0}, {100, 0}, {81, 0}},
         {"sheet0", "turn0"}},
        {"an earlier turn takes the win back",
         301,
         1,
         {{100, 0}, {100, 0}, {-1, 2}},
         0,
         1,
         60,
         0,
         {{60, 0}, {100, 0}, {101, 2}},
         {"sheet0", "turn0"}},
        {"the last thrower wins",
         101,
         2,
         {{60, 0}, {20, 0}, {1, 0}},
         0,
         2,
         41,
         3,
         {{60, 0}, {20, 0}, {41, 3}},
         {"sheet0", "won0", "turn-"}},
    };
    for (const TCorrection& test : cases) {
        SCOPED_TRACE(test.Name);
        CGame corrected;
        Type(corrected, test.Start, test.Players, test.Turns);
        EventLog log(corrected);
        CPlayerScores& sheet = *corrected.CurrentLeg()->GetSheet(test.Player);
        ASSERT_TRUE(sheet.ReplaceThrow(test.Index, test.Score, test.Darts));
        EXPECT_EQ(log.Take(), test.Events);
        CGame typed;
        Type(typed, test.Start, test.Players, test.Typed);
        ExpectSameMatch(corrected, typed);
    }
}

struct TRefused
{
    const char* Name;
    int32_t Start, Players;
    TTurns Turns;
    int32_t Player, Index, Score, Darts;
    TRefusal Refusal;
    int32_t AtEntry, Previous; // the turn that becomes impossible and the total before it
};

TEST(Correction, RefusedWithTheTurnItWouldSpoil)
{
    const TTurns five = {{100, 0}, {100, 0}, {100, 0}, {100, 0}, {60, 0}}; // 41 left
    const std::vector<TRefused> cases = {
        {"opening entry", 501, 1, five, 0, 0, 10, 0, TRefusal::NoSuchTurn, 0, 0},
        {"no such turn", 501, 1, five, 0, 6, 10, 0, TRefusal::NoSuchTurn, 6, 0},
        {"not a score", 501, 1, five, 0, 2, 179, 0, TRefusal::NotAScore, 2, 401},
        {"a later bust", 501, 1, five, 0, 1, 180, 0, TRefusal::Bust, 5, 21},
        {"a later one left", 501, 1, five, 0, 1, 140, 0, TRefusal::LeavesOne, 5, 61},
        {"too few darts",
         301,
         1,
         {{100, 0}, {100, 0}},
         0,
         2,
         101,
         1,
         TRefusal::TooFewDarts,
         2,
         201},
        {"no double finish",
         301,
         1,
         {{142, 0}, {0, 0}},
         0,
         2,
         159,
         0,
         TRefusal::NoDoubleFinish,
         2,
         159},
        {"wins before later turns",
         101,
         1,
         {{60, 0}, {20, 0}},
         0,
         1,
         101,
         0,
         TRefusal::FinishesTooSoon,
         1,
         101},
        {"wins before the other's turn",
         101,
         2,
         {{60, 0}, {20, 0}, {1, 0}, {0, 0}},
         0,
         2,
         41,
         0,
         TRefusal::FinishesTooSoon,
         2,
         41},
        {"a second winner",
         101,
         2,
         {{60, 0}, {60, 0}, {41, 0}},
         1,
         1,
         101,
         0,
         TRefusal::FinishesTooSoon,
         1,
         101},
    };
    for (const TRefused& test : cases) {
        SCOPED_TRACE(test.Name);
        CGame game;
        Type(game, test.Start, test.Players, test.Turns);
        EventLog log(game);
        CPlayerScores& sheet = *game.CurrentLeg()->GetSheet(test.Player);
        const TThrowCheck check = sheet.CheckReplace(test.Index, test.Score, test.Darts);
        EXPECT_EQ(check.Refusal, test.Refusal);
        EXPECT_EQ(check.EntryIndex, test.AtEntry);
        EXPECT_EQ(check.Previous, test.Previous);
        EXPECT_FALSE(sheet.ReplaceThrow(test.Index, test.Score, test.Darts));
        EXPECT_TRUE(log.Take().empty());
        CGame typed;
        Type(typed, test.Start, test.Players, test.Turns);
        ExpectSameMatch(game, typed);
    }
}

TEST(CheckThrow, EveryReasonAsAddThrowSeesIt)
{
    struct TCase
    {
        TTurns Before;
        int32_t Score, Darts;
        TRefusal Refusal;
    };
    // 501, one player; 420 then 81 left after the first turns below.
    const std::vector<TCase> cases = {
        {{{180, 0}, {180, 0}, {60, 0}}, 82, 0, TRefusal::Bust},
        {{}, 179, 0, TRefusal::NotAScore},
        {{{180, 0}, {180, 0}, {60, 0}}, 80, 0, TRefusal::LeavesOne},
        {{{180, 0}, {162, 0}}, 159, 0, TRefusal::NoDoubleFinish},
        {{{180, 0}, {180, 0}, {40, 0}}, 101, 1, TRefusal::TooFewDarts},
        {{{180, 0}, {180, 0}, {40, 0}}, -1, 1, TRefusal::TooFewDarts},
        {{{180, 0}, {180, 0}, {40, 0}}, -1, 2, TRefusal::None},
        {{{180, 0}, {180, 0}, {40, 0}, {-1, 2}}, 0, 0, TRefusal::LegFinished},
    };
    for (const TCase& test : cases) {
        CGame game;
        Type(game, 501, 1, test.Before);
        CPlayerScores& sheet = *game.CurrentLeg()->GetSheet(0);
        EXPECT_EQ(sheet.CheckThrow(test.Score, test.Darts).Refusal, test.Refusal) << test.Score;
        EXPECT_EQ(sheet.AddThrow(test.Score, test.Darts), test.Refusal == TRefusal::None);
    }
    CGame counting;
    counting.NewGame(ContinuousParams(1));
    CPlayerScores& sheet = *counting.CurrentLeg()->GetSheet(0);
    EXPECT_EQ(sheet.CheckThrow(181, 0).Refusal, TRefusal::NotAScore);
    EXPECT_EQ(sheet.CheckThrow(180, 0).Refusal, TRefusal::None);
}

} // namespace

namespace {

// A leg before the one in play: corrected, it stays won by the same player with the same
// winning score; its figures are those the match then has.
TEST(Correction, AnEarlierLegKeepsItsResult)
{
    struct TCase
    {
        const char* Name;
        int32_t Player, Entry, Score, Darts;
        TRefusal Refusal;
    };
    // 301, leg 1: Anna 180, Ben 60, Anna 121 on three darts; leg 2 in play.
    const std::vector<TCase> cases = {
        {"the loser's turn", 1, 1, 100, 0, TRefusal::None},
        {"the same refusals", 1, 1, 179, 0, TRefusal::NotAScore},
        {"the winner's earlier turn", 0, 1, 140, 0, TRefusal::ChangesLegResult},
        {"the winning turn's score", 0, 2, 100, 0, TRefusal::ChangesLegResult},
        {"the winning turn's darts", 0, 2, 121, 3, TRefusal::None},
        {"too few darts for it", 0, 2, 121, 2, TRefusal::TooFewDarts},
    };
    for (const TCase& test : cases) {
        CGame game;
        game.NewGame(GameParams(301));
        ASSERT_TRUE(PlayTurns(game, {180, 60, 121}));
        game.NextLeg();
        ASSERT_TRUE(PlayTurns(game, {60}));
        const TThrowCheck check =
            game.CheckCorrectionInLeg(0, test.Player, test.Entry, test.Score, test.Darts);
        EXPECT_EQ(check.Refusal, test.Refusal) << test.Name;
        EXPECT_EQ(game.CorrectInLeg(0, test.Player, test.Entry, test.Score, test.Darts),
                  test.Refusal == TRefusal::None)
            << test.Name;
        EXPECT_TRUE(game.GetLeg(0)->GetSheet(0)->Won()) << test.Name;
        EXPECT_EQ(game.GetPlayerStats(test.Player).PointsScored,
                  game.WalkPlayerStats(test.Player).PointsScored)
            << test.Name;
        EXPECT_EQ(game.GetPlayerStats(0).DartsThrown, game.WalkPlayerStats(0).DartsThrown)
            << test.Name;
    }
}

} // namespace
