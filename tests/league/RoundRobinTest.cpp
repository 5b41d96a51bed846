// A league's fixtures for every size from 2 to 64 players, once and twice: every pair meets as
// often as asked, nobody twice in a round, the rounds as many as they must be, home and away
// even.

#include "league/RoundRobin.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

TEST(RoundRobin, EveryPairMeetsNobodyTwiceARoundHomeAndAwayEven)
{
    for (const bool twice : {false, true}) {
        for (int32_t players = 2; players <= 64; ++players) {
            SCOPED_TRACE(testing::Message() << players << (twice ? " twice" : " once"));
            const std::vector<TFixture> fixtures = RoundRobin(players, twice);
            const int32_t rounds = players % 2 == 0 ? players - 1 : players;
            std::map<std::pair<int32_t, int32_t>, int> meetings; // (home, away)
            std::map<int32_t, std::set<int32_t>> playing;        // round -> players
            std::vector<int> home(static_cast<size_t>(players));
            std::vector<int> away(static_cast<size_t>(players));
            for (const TFixture& fixture : fixtures) {
                ASSERT_TRUE(fixture.Home >= 0 && fixture.Home < players && fixture.Away >= 0 &&
                            fixture.Away < players && fixture.Home != fixture.Away);
                ASSERT_TRUE(fixture.Round >= 0 && fixture.Round < rounds * (twice ? 2 : 1));
                // The second meetings come after every first one.
                ASSERT_EQ(meetings.count({fixture.Away, fixture.Home}) > 0,
                          fixture.Round >= rounds);
                ++meetings[{fixture.Home, fixture.Away}];
                ASSERT_TRUE(playing[fixture.Round].insert(fixture.Home).second);
                ASSERT_TRUE(playing[fixture.Round].insert(fixture.Away).second);
                ++home[static_cast<size_t>(fixture.Home)];
                ++away[static_cast<size_t>(fixture.Away)];
            }
            EXPECT_EQ(fixtures.size(),
                      static_cast<size_t>(players * (players - 1) / 2 * (twice ? 2 : 1)));
            EXPECT_EQ(playing.size(), static_cast<size_t>(rounds * (twice ? 2 : 1)));
            for (const auto& [pair, count] : meetings) {
                EXPECT_EQ(count, 1);
            }
            for (int32_t player = 0; player < players; ++player) {
                const int difference =
                    home[static_cast<size_t>(player)] - away[static_cast<size_t>(player)];
                EXPECT_LE(std::abs(difference), twice ? 0 : 1) << "player " << player;
            }
        }
    }
    EXPECT_TRUE(RoundRobin(1, false).empty());
    EXPECT_TRUE(RoundRobin(65, true).empty());
}
