// A league table's tie-breaks over hand-made cases: two level, three level in a circle, and
// players nothing separates.

#include "league/Standings.h"

#include <gtest/gtest.h>

TEST(Standings, TiesAreBrokenInTheAssociationsOrder)
{
    struct TCase
    {
        const char* Name;
        int32_t Players;
        std::vector<TResult> Results;
        // (player, rank, playoff) from the top
        std::vector<std::tuple<int32_t, int32_t, bool>> Expected;
    };
    for (const TCase& test : std::vector<TCase>{
             // 0 and 1 level on points: 0 won their match though 1's legs overall are better;
             // 2 and 3 level too, 3 won theirs.
             {"two level",
              4,
              {{0, 1, 3, 2}, {0, 2, 0, 3}, {0, 3, 3, 0}, {1, 2, 3, 0}, {1, 3, 3, 0}, {2, 3, 0, 3}},
              {{0, 1, false}, {1, 2, false}, {3, 3, false}, {2, 4, false}}},
             // Each beat one: the legs among them put 0 first; 1 and 2 stay level on them and go
             // on to the overall figures (legs won: 2), not back to 1's win over 2.
             {"three in a circle",
              3,
              {{0, 1, 3, 0}, {1, 2, 3, 1}, {2, 0, 3, 2}},
              {{0, 1, false}, {2, 2, false}, {1, 3, false}}},
             // 0 and 1 drew and beat 2 alike: a playoff. A result against oneself or an unknown
             // player is left out.
             {"still level",
              3,
              {{0, 1, 2, 2}, {0, 2, 3, 1}, {1, 2, 3, 1}, {2, 2, 3, 0}, {0, 7, 3, 0}},
              {{0, 1, true}, {1, 1, true}, {2, 3, false}}},
         }) {
        SCOPED_TRACE(test.Name);
        const std::vector<TStanding> table = Standings(test.Players, test.Results);
        ASSERT_EQ(table.size(), test.Expected.size());
        for (size_t at = 0; at < table.size(); ++at) {
            EXPECT_EQ(std::make_tuple(table[at].Player, table[at].Rank, table[at].PlayoffNeeded),
                      test.Expected[at])
                << "place " << at;
        }
    }
    // The figures of one row: 0 in "still level" drew one, won one.
    const TStanding first = Standings(3, {{0, 1, 2, 2}, {0, 2, 3, 1}, {1, 2, 3, 1}})[0];
    EXPECT_EQ(std::make_tuple(first.Played, first.Won, first.Drawn, first.Lost, first.LegsFor,
                              first.LegsAgainst, first.Points),
              std::make_tuple(2, 1, 1, 0, 5, 3, 3));
    EXPECT_EQ(Standings(3, {{0, 1, 3, 0}}, 3, 1)[0].Points, 3);
}
