// Knockouts of every size from 2 to 64, single and double elimination, played out with random
// winners: byes to the top seeds, one champion, and nobody out before the losses it takes.

#include "league/Knockout.h"

#include <gtest/gtest.h>
#include <random>

TEST(Knockout, EveryBracketPlaysOutToOneChampion)
{
    std::mt19937 random(39);
    for (const bool twice : {false, true}) {
        for (int32_t players = 2; players <= 64; ++players) {
            for (int run = 0; run < 3; ++run) {
                SCOPED_TRACE(testing::Message() << players << (twice ? " double" : " single"));
                CKnockout knockout(players, twice);
                int32_t size = 1;
                while (size < players) {
                    size *= 2;
                }
                // The top seeds have byes: they are in no first-round match.
                for (const TKnockoutMatch& match : knockout.Matches()) {
                    if (match.Round == 0 && !match.LosersBracket) {
                        EXPECT_GE(std::min(match.Home, match.Away), size - players);
                    }
                }
                std::vector<int> losses(static_cast<size_t>(players));
                std::vector<int> reported;
                for (;;) {
                    std::vector<int32_t> ready;
                    for (size_t index = 0; index < knockout.Matches().size(); ++index) {
                        const TKnockoutMatch& match = knockout.Matches()[index];
                        if (match.Home >= 0 && match.Away >= 0 && match.Winner < 0) {
                            // Nobody is in a match after being out.
                            const int out = twice ? 2 : 1;
                            ASSERT_LT(losses[static_cast<size_t>(match.Home)], out);
                            ASSERT_LT(losses[static_cast<size_t>(match.Away)], out);
                            ready.push_back(static_cast<int32_t>(index));
                        } else if (match.Winner < 0) {
                            EXPECT_FALSE(knockout.Report(static_cast<int32_t>(index), 0));
                        }
                    }
                    if (ready.empty()) {
                        break;
                    }
                    ASSERT_EQ(knockout.Champion(), -1);
                    const int32_t index = ready[random() % ready.size()];
                    const TKnockoutMatch match = knockout.Matches()[static_cast<size_t>(index)];
                    const int32_t winner = random() % 2 == 0 ? match.Home : match.Away;
                    EXPECT_FALSE(knockout.Report(index, players)); // no player of it
                    ASSERT_TRUE(knockout.Report(index, winner));
                    EXPECT_FALSE(knockout.Report(index, winner)); // already in
                    ++losses[static_cast<size_t>(winner == match.Home ? match.Away : match.Home)];
                }
                const int32_t champion = knockout.Champion();
                ASSERT_GE(champion, 0);
                for (int32_t player = 0; player < players; ++player) {
                    const int lost = losses[static_cast<size_t>(player)];
                    if (player == champion) {
                        EXPECT_LE(lost, twice ? 1 : 0);
                    } else {
                        EXPECT_EQ(lost, twice ? 2 : 1) << "player " << player;
                    }
                }
                const size_t played = knockout.Matches().size();
                EXPECT_TRUE(twice ? played == size_t(2 * players - 2) ||
                                        played == size_t(2 * players - 1)
                                  : played == size_t(players - 1));
            }
        }
    }
    EXPECT_TRUE(CKnockout(1, false).Matches().empty());
    EXPECT_TRUE(CKnockout(65, true).Matches().empty());
}
