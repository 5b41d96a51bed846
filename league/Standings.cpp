#include "league/Standings.h"

#include <algorithm>
#include <functional>
#include <map>

namespace {

using TGroup = std::vector<int32_t>;
// A criterion gives each player of a level group a key; higher ranks first.
using TCriterion = std::function<std::vector<int64_t>(const TGroup&)>;

bool Valid(const TResult& result, int32_t players)
{
    return result.Home >= 0 && result.Home < players && result.Away >= 0 && result.Away < players &&
           result.Home != result.Away && result.HomeLegs >= 0 && result.AwayLegs >= 0;
}

// Splits `group` by `key` (higher first) into the runs of equal keys, in order.
std::vector<TGroup> SplitBy(const TGroup& group, const std::vector<int64_t>& key)
{
    std::vector<size_t> order(group.size());
    for (size_t index = 0; index < order.size(); ++index) {
        order[index] = index;
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t left, size_t right) { return key[left] > key[right]; });
    std::vector<TGroup> runs;
    for (size_t at = 0; at < order.size(); ++at) {
        if (at == 0 || key[order[at]] != key[order[at - 1]]) {
            runs.emplace_back();
        }
        runs.back().push_back(group[order[at]]);
    }
    return runs;
}

} // namespace

std::vector<TStanding> Standings(int32_t players, const std::vector<TResult>& results,
                                 int32_t pointsForWin, int32_t pointsForDraw)
{
    if (players <= 0) {
        return {};
    }
    std::vector<TStanding> table(static_cast<size_t>(players));
    for (int32_t player = 0; player < players; ++player) {
        table[static_cast<size_t>(player)] = {player, 0, 0, 0, 0, 0, 0, 0, 0, false};
    }
    const auto add = [&](int32_t player, int32_t legsFor, int32_t legsAgainst) {
        TStanding& row = table[static_cast<size_t>(player)];
        ++row.Played;
        row.LegsFor += legsFor;
        row.LegsAgainst += legsAgainst;
        if (legsFor > legsAgainst) {
            ++row.Won;
            row.Points += pointsForWin;
        } else if (legsFor == legsAgainst) {
            ++row.Drawn;
            row.Points += pointsForDraw;
        } else {
            ++row.Lost;
        }
    };
    for (const TResult& result : results) {
        if (Valid(result, players)) {
            add(result.Home, result.HomeLegs, result.AwayLegs);
            add(result.Away, result.AwayLegs, result.HomeLegs);
        }
    }
    const auto row = [&](int32_t player) -> const TStanding& {
        return table[static_cast<size_t>(player)];
    };
    // Among the players of `group`: each one's matches won and legs won and lost against the
    // others of it.
    struct TAmong
    {
        int64_t Won = 0;
        int64_t LegsFor = 0;
        int64_t LegsAgainst = 0;
    };
    const auto among = [&](const TGroup& group) {
        std::map<int32_t, TAmong> figures;
        const auto in = [&](int32_t player) {
            return std::find(group.begin(), group.end(), player) != group.end();
        };
        for (const TResult& result : results) {
            if (!Valid(result, players) || !in(result.Home) || !in(result.Away)) {
                continue;
            }
            figures[result.Home].LegsFor += result.HomeLegs;
            figures[result.Home].LegsAgainst += result.AwayLegs;
            figures[result.Away].LegsFor += result.AwayLegs;
            figures[result.Away].LegsAgainst += result.HomeLegs;
            if (result.HomeLegs != result.AwayLegs) {
                ++figures[result.HomeLegs > result.AwayLegs ? result.Home : result.Away].Won;
            }
        }
        return figures;
    };
    const auto keyOf = [](const TGroup& group, const std::function<int64_t(int32_t)>& key) {
        std::vector<int64_t> keys;
        for (const int32_t player : group) {
            keys.push_back(key(player));
        }
        return keys;
    };
    const std::vector<TCriterion> criteria = {
        // Their matches among them: for two, matches won and then legs won; for three or more,
        // the leg difference. Which applies goes by how many were level on points.
        [&](const TGroup& group) {
            std::map<int32_t, TAmong> figures = among(group);
            return keyOf(group, [&](int32_t player) {
                const TAmong& figure = figures[player];
                return group.size() == 2 ? figure.Won * 100000 + figure.LegsFor
                                         : figure.LegsFor - figure.LegsAgainst;
            });
        },
        [&](const TGroup& group) {
            return keyOf(group, [&](int32_t player) {
                return int64_t{row(player).LegsFor} - row(player).LegsAgainst;
            });
        },
        [&](const TGroup& group) {
            return keyOf(group, [&](int32_t player) { return int64_t{row(player).LegsFor}; });
        },
    };
    std::function<void(const TGroup&, size_t, std::vector<TGroup>&)> settle =
        [&](const TGroup& group, size_t criterion, std::vector<TGroup>& settled) {
            if (group.size() == 1 || criterion == criteria.size()) {
                settled.push_back(group);
                return;
            }
            for (const TGroup& run : SplitBy(group, criteria[criterion](group))) {
                settle(run, criterion + 1, settled);
            }
        };
    TGroup everyone;
    for (int32_t player = 0; player < players; ++player) {
        everyone.push_back(player);
    }
    std::vector<TGroup> settled;
    for (const TGroup& level : SplitBy(everyone, keyOf(everyone, [&](int32_t player) {
                                           return int64_t{row(player).Points};
                                       }))) {
        settle(level, 0, settled);
    }
    std::vector<TStanding> ordered;
    for (const TGroup& group : settled) {
        const int32_t rank = static_cast<int32_t>(ordered.size()) + 1;
        for (const int32_t player : group) {
            TStanding standing = row(player);
            standing.Rank = rank;
            standing.PlayoffNeeded = group.size() > 1;
            ordered.push_back(standing);
        }
    }
    return ordered;
}
