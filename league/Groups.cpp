#include "league/Groups.h"

std::vector<std::vector<int32_t>> DrawGroups(int32_t players, int32_t groups)
{
    if (groups < 1 || players < 2 * groups) {
        return {};
    }
    std::vector<std::vector<int32_t>> drawn(static_cast<size_t>(groups));
    for (int32_t seed = 0; seed < players; ++seed) {
        const int32_t pass = seed / groups;
        const int32_t at = seed % groups;
        drawn[static_cast<size_t>(pass % 2 == 0 ? at : groups - 1 - at)].push_back(seed);
    }
    return drawn;
}

std::vector<int32_t> KnockoutSeeds(const std::vector<std::vector<int32_t>>& groups,
                                   const std::vector<std::vector<TStanding>>& tables,
                                   int32_t perGroup)
{
    std::vector<int32_t> seeds;
    for (int32_t place = 0; place < perGroup; ++place) {
        for (size_t group = 0; group < groups.size() && group < tables.size(); ++group) {
            const std::vector<TStanding>& table = tables[group];
            if (place < static_cast<int32_t>(table.size())) {
                const int32_t local = table[static_cast<size_t>(place)].Player;
                if (local >= 0 && local < static_cast<int32_t>(groups[group].size())) {
                    seeds.push_back(groups[group][static_cast<size_t>(local)]);
                }
            }
        }
    }
    return seeds;
}
