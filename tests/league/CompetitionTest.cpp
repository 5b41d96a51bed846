// Competitions of each kind played out with results arriving in any order, as from several
// boards: the knockout drawn from the groups' tables, a fixture played again, stale results.

#include "league/Competition.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

TEST(Competition, PlaysOutWhateverOrderResultsComeIn)
{
    std::mt19937 random(6);
    for (const TCompetitionShape& shape : std::vector<TCompetitionShape>{
             {TCompetitionKind::League, 6, true, 0, 0},
             {TCompetitionKind::Knockout, 7, true, 0, 0},
             {TCompetitionKind::GroupsKnockout, 10, false, 3, 2},
         }) {
        SCOPED_TRACE(static_cast<int>(shape.Kind));
        CCompetition competition(shape);
        ASSERT_TRUE(competition.Valid());
        std::vector<TFixtureResult> results;
        // Each pass: every fixture whose players are known gets a result, the pass's results
        // handed over shuffled; the earlier passes' stay in front.
        for (int pass = 0; competition.Winner() < 0; ++pass) {
            ASSERT_LT(pass, 40);
            std::vector<TFixtureResult> found;
            for (const TCompetitionFixture& fixture : competition.Fixtures()) {
                if (fixture.Home >= 0 && fixture.Away >= 0 &&
                    !competition.ResultOf(fixture.Number)) {
                    const bool homeWins = random() % 2 == 0;
                    found.push_back({fixture.Number, fixture.Home, fixture.Away, homeWins ? 3 : 1,
                                     homeWins ? 1 : 3});
                }
            }
            std::shuffle(found.begin(), found.end(), random);
            results.insert(results.end(), found.begin(), found.end());
            competition.SetResults(results);
        }
        if (shape.Kind == TCompetitionKind::GroupsKnockout) {
            // Each group's winner is seeded first, in group order.
            for (int32_t group = 0; group < shape.Groups; ++group) {
                EXPECT_EQ(competition.KnockoutPlayers()[static_cast<size_t>(group)],
                          competition.Table(group)[0].Player);
            }
        }
    }
    // A league fixture played again counts by its latest result; a result naming other players
    // (stale) does not count.
    CCompetition league({TCompetitionKind::League, 3, false, 0, 0});
    const TCompetitionFixture first = league.Fixtures()[0];
    league.SetResults({{first.Number, first.Home, first.Away, 3, 0},
                       {first.Number, first.Home, first.Away, 0, 3}});
    EXPECT_EQ(league.Table(-1)[0].Player, first.Away);
    league.SetResults({{first.Number, first.Away, first.Home, 3, 0}});
    EXPECT_FALSE(league.ResultOf(first.Number));
    EXPECT_FALSE(CCompetition({TCompetitionKind::GroupsKnockout, 7, false, 3, 3}).Valid());
}
