#include "MatchTestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace {

// Everything the model holds, flattened, so that "nothing changed" can be compared.
std::vector<int64_t> Snapshot(const CGame& game)
{
    std::vector<int64_t> state{game.LegCount()};
    for (int32_t l = 0; l < game.LegCount(); ++l) {
        const CLeg& leg = *game.GetLeg(l);
        state.insert(state.end(), {leg.Finished(), leg.PlayerToThrow(), leg.SheetCount()});
        for (int32_t s = 0; s < leg.SheetCount(); ++s) {
            const CPlayerScores& sheet = *leg.GetSheet(s);
            state.insert(state.end(),
                         {sheet.Won(), sheet.OutShotDarts(), sheet.HighestTurn(),
                          sheet.LowestTurn(), sheet.Count60(), sheet.Count100(), sheet.Count140(),
                          sheet.Count180(), sheet.PossibleOutShots(), sheet.EntryCount()});
            for (int32_t e = 0; e < sheet.EntryCount(); ++e) {
                state.push_back(sheet.GetEntry(e)->Score);
                state.push_back(sheet.GetEntry(e)->Remainder);
            }
        }
    }
    return state;
}

// The sheet's figures recomputed from its entries alone.
void ExpectSheetMatchesItsEntries(const CPlayerScores& sheet, const TGameParams& params)
{
    ASSERT_GE(sheet.EntryCount(), 1);
    ASSERT_EQ(sheet.GetEntry(0)->Score, 0);
    int64_t total = sheet.Leg().Game().StartScoreOf(sheet.PlayerIndex());
    int32_t highest = 0, lowest = 200, c60 = 0, c100 = 0, c140 = 0, c180 = 0, chances = 0;
    for (int32_t e = 0; e < sheet.EntryCount(); ++e) {
        const TurnEntry& entry = *sheet.GetEntry(e);
        total += params.CountUp ? entry.Score : -entry.Score;
        ASSERT_EQ(entry.Remainder, total) << "entry " << e;
        if (!params.CountUp) {
            ASSERT_GE(entry.Remainder, 0);
            ASSERT_NE(entry.Remainder, 1);
        }
        const int32_t cls = CGame::CheckOutDarts(entry.Remainder);
        chances += cls >= 1 && cls <= 3 ? 1 : 0;
        if (e > 0) {
            ASSERT_GE(CGame::CheckOutDarts(entry.Score), 0);
            highest = std::max(highest, entry.Score);
            lowest = std::min(lowest, entry.Score);
            const int32_t score = entry.Score;
            c180 += score == 180;
            c140 += score >= 140 && score < 180;
            c100 += score >= 100 && score < 140;
            c60 += score >= 60 && score < 100;
        }
    }
    EXPECT_EQ(sheet.HighestTurn(), highest);
    EXPECT_EQ(sheet.LowestTurn(), lowest);
    EXPECT_EQ(sheet.Count60(), c60);
    EXPECT_EQ(sheet.Count100(), c100);
    EXPECT_EQ(sheet.Count140(), c140);
    EXPECT_EQ(sheet.Count180(), c180);
    EXPECT_EQ(sheet.PossibleOutShots(), chances);
    if (sheet.Won()) {
        EXPECT_EQ(sheet.LastEntry()->Remainder, params.TargetScore);
        // A win is always a real checkout when the rule is on.
        EXPECT_GT(CGame::CheckOutDarts(sheet.LastEntry()->Score), 0);
    }
}

void ExpectInvariants(const CGame& game)
{
    const TGameParams params = game.GetParams();
    for (int32_t l = 0; l < game.LegCount(); ++l) {
        const CLeg& leg = *game.GetLeg(l);
        ASSERT_EQ(leg.SheetCount(), params.PlayerCount);
        int winners = 0;
        for (int32_t s = 0; s < leg.SheetCount(); ++s) {
            ExpectSheetMatchesItsEntries(*leg.GetSheet(s), params);
            winners += leg.GetSheet(s)->Won() ? 1 : 0;
        }
        ASSERT_LE(winners, 1);
        ASSERT_EQ(winners == 1, leg.Finished());
        ASSERT_GE(leg.PlayerToThrow(), 0);
        ASSERT_LT(leg.PlayerToThrow(), params.PlayerCount);
    }
}

struct Config
{
    TGameParams Params;
    const char* Name;
};

std::vector<Config> Configs()
{
    std::vector<Config> configs;
    for (int32_t players : {1, 2}) {
        for (int32_t start : {301, 501, 701, 1001}) {
            configs.push_back({GameParams(start, players, players - 1), "count down"});
        }
        configs.push_back({ContinuousParams(players, 0), "continuous"});
    }
    TGameParams sets = GameParams(101, 2, 1);
    sets.LegsToWin = 2;
    sets.SetsToWin = 2;
    configs.push_back({sets, "sets"});
    // Many sides, pairs and handicaps.
    TGameParams many = GameParams(301, 5, 3);
    many.StartScores = {301, 201, 401, 101, 501};
    many.LegsToWin = 2;
    many.SetsToWin = 2;
    configs.push_back({many, "five sides, handicaps, sets"});
    TGameParams pairs = GameParams(170, 3, 1);
    pairs.TeamSize = 2;
    configs.push_back({pairs, "three pairs"});
    return configs;
}

int32_t PickScore(std::mt19937& random, const CPlayerScores& sheet)
{
    const int32_t remainder = sheet.LastEntry() ? sheet.LastEntry()->Remainder : 0;
    switch (std::uniform_int_distribution<int>(0, 9)(random)) {
    case 0:
        return -1;
    case 1:
        return remainder;
    case 2:
        return remainder - 1;
    case 3:
        return std::uniform_int_distribution<int32_t>(-3, 185)(random);
    case 4: {
        static const int32_t odd[] = {163, 166, 169, 172, 159, 162, 180, 171, 181, -2};
        return odd[std::uniform_int_distribution<size_t>(0, 9)(random)];
    }
    default:
        return std::uniform_int_distribution<int32_t>(0, 180)(random);
    }
}

// Every figure of the statistics, exactly (the averages are quotients of the same sums).
std::vector<double> Figures(const TPlayerStats& s)
{
    return {double(s.LegsWon),
            s.TurnAverage,
            s.DartAverage,
            double(s.PointsScored),
            double(s.DartsThrown),
            s.DartsPerLeg,
            double(s.HighestTurn),
            double(s.LowestTurn),
            double(s.PossibleOutShots),
            s.EffectiveOutShots,
            double(s.HighestOutShot),
            s.OutShotAverage,
            double(s.OutShotPoints),
            double(s.Count60),
            double(s.Count100),
            double(s.Count140),
            double(s.Count180),
            s.FirstNineAverage,
            double(s.BestLegDarts),
            double(s.WorstLegDarts),
            double(s.LegsPlayed)};
}

TEST(Property, RandomMatchesKeepEveryInvariant)
{
    std::mt19937 random(20261208);
    int accepted = 0, refused = 0, wins = 0, undos = 0, corrections = 0, legsBack = 0;
    for (const Config& config : Configs()) {
        for (int match = 0; match < 30; ++match) {
            CGame game;
            EventLog log(game);
            game.NewGame(config.Params);
            log.Take();
            // The match as it stood before each Next Leg, and its set and leg in play: taking
            // the Next Leg back gives exactly that again.
            std::vector<std::vector<int64_t>> beforeNextLeg;
            const auto standing = [&game, &config] {
                std::vector<int64_t> state = Snapshot(game);
                state.insert(state.end(),
                             {game.MatchWinner(), game.SetNumber(), game.LegNumberInSet()});
                for (int32_t player = 0; player < config.Params.PlayerCount; ++player) {
                    state.insert(state.end(), {game.SetsWon(player), game.LegsInSet(player)});
                }
                return state;
            };
            const auto nextLeg = [&] {
                const std::vector<int64_t> state = standing();
                const int32_t legs = game.LegCount();
                game.NextLeg();
                if (game.LegCount() > legs) {
                    beforeNextLeg.push_back(state);
                }
            };
            for (int step = 0; step < 250; ++step) {
                CLeg& leg = *game.CurrentLeg();
                const std::vector<int64_t> before = Snapshot(game);
                const int op = std::uniform_int_distribution<int>(0, 21)(random);
                if (op >= 20) {
                    // A correction of any turn of any sheet: accepted exactly when the check
                    // says so, and a refused one changes nothing.
                    const int32_t index =
                        std::uniform_int_distribution<int32_t>(0, leg.SheetCount() - 1)(random);
                    CPlayerScores& sheet = *leg.GetSheet(index);
                    const int32_t entry =
                        std::uniform_int_distribution<int32_t>(0, sheet.EntryCount())(random);
                    const int32_t score = PickScore(random, sheet);
                    const int32_t darts = std::uniform_int_distribution<int32_t>(0, 3)(random);
                    const bool valid = sheet.CheckReplace(entry, score, darts).Accepted();
                    EXPECT_EQ(sheet.ReplaceThrow(entry, score, darts), valid);
                    if (valid) {
                        ++corrections;
                        EXPECT_FALSE(log.Take().empty());
                    } else {
                        EXPECT_EQ(Snapshot(game), before);
                        EXPECT_TRUE(log.Take().empty());
                    }
                } else if (op < 15) {
                    // A turn, usually on the player to throw, sometimes on the other sheet.
                    const int32_t index = op == 0 ? std::uniform_int_distribution<int32_t>(
                                                        0, leg.SheetCount() - 1)(random)
                                                  : leg.PlayerToThrow();
                    CPlayerScores& sheet = *leg.GetSheet(index);
                    const int32_t score = PickScore(random, sheet);
                    const int32_t darts = std::uniform_int_distribution<int32_t>(0, 3)(random);
                    const int32_t resolved = score == -1 ? sheet.LastEntry()->Remainder : score;
                    const bool valid = sheet.IsValidThrow(resolved, darts);
                    if (sheet.AddThrow(score, darts)) {
                        EXPECT_TRUE(valid);
                        ++accepted;
                        const auto events = log.Take();
                        ASSERT_GE(events.size(), 2u);
                        EXPECT_EQ(events.front(), "sheet" + std::to_string(index));
                        if (sheet.Won()) {
                            ++wins;
                            EXPECT_EQ(events, (std::vector<std::string>{
                                                  "sheet" + std::to_string(index),
                                                  "won" + std::to_string(index), "turn-"}));
                        } else {
                            EXPECT_EQ(events.size(), 2u);
                        }
                    } else {
                        ++refused;
                        EXPECT_EQ(Snapshot(game), before);
                        EXPECT_TRUE(log.Take().empty());
                    }
                } else if (op < 18) {
                    CPlayerScores& sheet = *leg.CurrentSheet();
                    if (sheet.CanUndoThrow()) {
                        ASSERT_TRUE(sheet.UndoThrow());
                        ++undos;
                        EXPECT_FALSE(leg.Finished());
                    } else if (game.CanUndoNextLeg()) {
                        ASSERT_TRUE(game.UndoNextLeg());
                        ++legsBack;
                        ASSERT_FALSE(beforeNextLeg.empty());
                        EXPECT_EQ(standing(), beforeNextLeg.back());
                        beforeNextLeg.pop_back();
                    } else {
                        EXPECT_EQ(Snapshot(game), before);
                    }
                    log.Take();
                } else if (op == 18 && leg.Finished()) {
                    const int32_t legs = game.LegCount();
                    const bool matchWon = game.MatchWinner() >= 0;
                    nextLeg();
                    EXPECT_EQ(game.LegCount(), legs + (matchWon ? 0 : 1));
                    log.Take();
                } else if (op == 19 && std::uniform_int_distribution<int>(0, 30)(random) == 0) {
                    nextLeg();
                    log.Take();
                }
                ExpectInvariants(game);
                // The kept running sums are what a fresh walk over every leg gives.
                for (int32_t player = 0; player < config.Params.PlayerCount; ++player) {
                    const TPlayerStats side = game.GetPlayerStats(player);
                    EXPECT_EQ(Figures(side), Figures(game.WalkPlayerStats(player)));
                    // A side's turns are its throwers' turns: in singles the one thrower's
                    // figures are the side's, in pairs the two add up to them.
                    const TPlayerStats first = game.GetThrowerStats(player, 0);
                    if (config.Params.TeamSize == 1) {
                        EXPECT_EQ(Figures(first), Figures(side));
                        continue;
                    }
                    const TPlayerStats second = game.GetThrowerStats(player, 1);
                    EXPECT_EQ(first.PointsScored + second.PointsScored, side.PointsScored);
                    EXPECT_EQ(first.DartsThrown + second.DartsThrown, side.DartsThrown);
                    EXPECT_EQ(first.LegsWon + second.LegsWon, side.LegsWon);
                    EXPECT_EQ(first.PossibleOutShots + second.PossibleOutShots,
                              side.PossibleOutShots);
                    EXPECT_EQ(first.Count180 + second.Count180, side.Count180);
                    EXPECT_EQ(std::max(first.HighestTurn, second.HighestTurn), side.HighestTurn);
                }
                if (HasFatalFailure() || HasFailure()) {
                    FAIL() << config.Name << " players " << config.Params.PlayerCount << " match "
                           << match << " step " << step;
                }
            }
            // The match statistics agree with the sheets they sum.
            for (int32_t player = 0; player < config.Params.PlayerCount; ++player) {
                const TPlayerStats stats = game.GetPlayerStats(player);
                int32_t won = 0, points = 0;
                for (int32_t l = 0; l < game.LegCount(); ++l) {
                    won += game.GetLeg(l)->GetSheet(player)->Won() ? 1 : 0;
                    points += game.GetLeg(l)->GetSheet(player)->PointsScored();
                }
                EXPECT_EQ(stats.LegsWon, won);
                EXPECT_EQ(stats.PointsScored, points);
            }
        }
    }
    // The walk must reach every kind of step, or it proves little.
    EXPECT_GT(accepted, 10000);
    EXPECT_GT(refused, 3000);
    EXPECT_GT(wins, 50);
    EXPECT_GT(undos, 1000);
    EXPECT_GT(corrections, 1000);
    EXPECT_GT(legsBack, 20);
}

} // namespace
