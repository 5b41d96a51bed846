// Groups drawn and seeded into a knockout, and a league's order of play over several boards.

#include "league/BoardQueue.h"

#include "league/Groups.h"
#include "league/Knockout.h"
#include "league/RoundRobin.h"

#include <gtest/gtest.h>
#include <set>

TEST(Groups, AreEvenAndTheirTopMeetOtherGroupsFirst)
{
    const std::vector<std::vector<int32_t>> groups = DrawGroups(10, 3);
    EXPECT_EQ(groups, (std::vector<std::vector<int32_t>>{{0, 5, 6}, {1, 4, 7}, {2, 3, 8, 9}}));
    EXPECT_TRUE(DrawGroups(5, 3).empty());
    // Four groups of four, each table in reverse (the last drawn won it); the top two go on.
    const std::vector<std::vector<int32_t>> four = DrawGroups(16, 4);
    std::vector<std::vector<TStanding>> tables;
    for (size_t group = 0; group < four.size(); ++group) {
        tables.push_back(Standings(
            4,
            {{3, 2, 3, 0}, {3, 1, 3, 0}, {3, 0, 3, 0}, {2, 1, 3, 0}, {2, 0, 3, 0}, {1, 0, 3, 0}}));
    }
    const std::vector<int32_t> seeds = KnockoutSeeds(four, tables, 2);
    ASSERT_EQ(seeds.size(), size_t{8});
    EXPECT_EQ(seeds[0], four[0][3]);
    EXPECT_EQ(seeds[4], four[0][2]);
    const auto groupOf = [&](int32_t seed) {
        for (size_t group = 0; group < four.size(); ++group) {
            for (const int32_t player : four[group]) {
                if (player == seeds[static_cast<size_t>(seed)]) {
                    return group;
                }
            }
        }
        return four.size();
    };
    const CKnockout knockout(8, false);
    for (const TKnockoutMatch& match : knockout.Matches()) {
        if (match.Round == 0) {
            EXPECT_NE(groupOf(match.Home), groupOf(match.Away));
        }
    }
}

TEST(BoardQueue, NobodyOnTwoBoardsAndEveryFixturePlanned)
{
    for (const int32_t boards : {1, 2, 3, 8}) {
        SCOPED_TRACE(boards);
        std::vector<TQueuedFixture> fixtures;
        for (const TFixture& fixture : RoundRobin(6, false)) {
            fixtures.push_back({fixture.Home, fixture.Away, false, -1});
        }
        fixtures[0].Done = true;
        fixtures[4].Board = 1;                   // playing now
        fixtures.push_back({-1, -1, false, -1}); // a player not yet known
        const std::vector<TPlannedSlot> plan = OrderOfPlay(fixtures, boards);
        std::map<int32_t, std::set<int32_t>> playing; // slot -> players
        std::map<int32_t, std::set<int32_t>> used;    // slot -> boards
        int32_t last = 0;
        for (size_t index = 0; index + 1 < fixtures.size(); ++index) {
            const TPlannedSlot slot = plan[index];
            if (index == 0) {
                continue;
            }
            ASSERT_GE(slot.Slot, 0) << index;
            EXPECT_TRUE(playing[slot.Slot].insert(fixtures[index].Home).second);
            EXPECT_TRUE(playing[slot.Slot].insert(fixtures[index].Away).second);
            EXPECT_TRUE(used[slot.Slot].insert(slot.Board).second);
            EXPECT_LT(slot.Board, boards == 1 ? 2 : boards);
            last = std::max(last, slot.Slot);
        }
        EXPECT_EQ(plan[4].Slot, 0);
        EXPECT_EQ(plan.back().Slot, -1);
        // 14 fixtures, three at most at once among six players.
        EXPECT_LE(last + 1, boards == 1 ? 15 : boards == 2 ? 8 : 6);
    }
}
