#include "league/Competition.h"

#include "league/Groups.h"
#include "league/RoundRobin.h"

#include <map>

CCompetition::CCompetition(const TCompetitionShape& shape) : m_Shape(shape)
{
    if (shape.Players < 2 || shape.Players > 64) {
        return;
    }
    if (shape.Kind == TCompetitionKind::GroupsKnockout) {
        m_Groups = DrawGroups(shape.Players, shape.Groups);
        // The groups differ in size by one at most: the smallest has players / groups.
        if (m_Groups.empty() || shape.PerGroup < 1 ||
            shape.PerGroup > shape.Players / shape.Groups || shape.PerGroup * shape.Groups < 2 ||
            shape.PerGroup * shape.Groups > 64) {
            m_Groups.clear();
            return;
        }
    } else if (shape.Kind == TCompetitionKind::League) {
        m_Groups.emplace_back();
        for (int32_t player = 0; player < shape.Players; ++player) {
            m_Groups.back().push_back(player);
        }
    }
    Build();
}

void CCompetition::SetResults(const std::vector<TFixtureResult>& results)
{
    m_Results = results;
    Build();
}

std::vector<int32_t> CCompetition::GroupPlayers(int32_t group) const
{
    const size_t index = group < 0 ? 0 : static_cast<size_t>(group);
    return index < m_Groups.size() ? m_Groups[index] : std::vector<int32_t>{};
}

std::optional<TFixtureResult> CCompetition::ResultOf(int32_t number) const
{
    if (number < 0 || number >= static_cast<int32_t>(m_Counted.size())) {
        return std::nullopt;
    }
    return m_Counted[static_cast<size_t>(number)];
}

std::vector<TStanding> CCompetition::Table(int32_t group) const
{
    const std::vector<int32_t> players = GroupPlayers(group);
    if (players.empty() || m_Shape.Kind == TCompetitionKind::Knockout) {
        return {};
    }
    std::map<int32_t, int32_t> local;
    for (size_t at = 0; at < players.size(); ++at) {
        local[players[at]] = static_cast<int32_t>(at);
    }
    std::vector<TResult> results;
    for (const TCompetitionFixture& fixture : m_Fixtures) {
        const std::optional<TFixtureResult>& counted =
            m_Counted[static_cast<size_t>(fixture.Number)];
        if (!fixture.Knockout && fixture.Group == (group < 0 ? 0 : group) && counted) {
            results.push_back(
                {local[counted->Home], local[counted->Away], counted->HomeLegs, counted->AwayLegs});
        }
    }
    std::vector<TStanding> table = Standings(static_cast<int32_t>(players.size()), results);
    for (TStanding& standing : table) {
        standing.Player = players[static_cast<size_t>(standing.Player)];
    }
    return table;
}

int32_t CCompetition::Winner() const
{
    if (m_Shape.Kind != TCompetitionKind::League) {
        return m_Champion;
    }
    for (const std::optional<TFixtureResult>& counted : m_Counted) {
        if (!counted) {
            return -1;
        }
    }
    const std::vector<TStanding> table = Table(-1);
    return table.empty() || table[0].PlayoffNeeded ? -1 : table[0].Player;
}

void CCompetition::Build()
{
    m_Fixtures.clear();
    m_Seeds.clear();
    m_Champion = -1;
    // The latest result of each fixture counts, as long as it names the fixture's players.
    std::map<int32_t, TFixtureResult> latest;
    for (const TFixtureResult& result : m_Results) {
        latest[result.Number] = result;
    }
    const auto counts = [&](const TCompetitionFixture& fixture) -> std::optional<TFixtureResult> {
        const auto found = latest.find(fixture.Number);
        if (found == latest.end() || found->second.Home != fixture.Home ||
            found->second.Away != fixture.Away) {
            return std::nullopt;
        }
        return found->second;
    };
    m_Counted.clear();
    bool groupsDone = true;
    for (size_t group = 0; group < m_Groups.size(); ++group) {
        const std::vector<int32_t>& players = m_Groups[group];
        for (const TFixture& fixture :
             RoundRobin(static_cast<int32_t>(players.size()), m_Shape.Twice)) {
            const auto number = static_cast<int32_t>(m_Fixtures.size());
            m_Fixtures.push_back({number, static_cast<int32_t>(group), fixture.Round,
                                  players[static_cast<size_t>(fixture.Home)],
                                  players[static_cast<size_t>(fixture.Away)], false, false});
            m_Counted.push_back(counts(m_Fixtures.back()));
            groupsDone = groupsDone && m_Counted.back().has_value();
        }
    }
    m_FirstKnockout = static_cast<int32_t>(m_Fixtures.size());
    if (m_Shape.Kind == TCompetitionKind::League) {
        return;
    }
    if (m_Shape.Kind == TCompetitionKind::Knockout) {
        for (int32_t player = 0; player < m_Shape.Players; ++player) {
            m_Seeds.push_back(player);
        }
    } else if (groupsDone) {
        std::vector<std::vector<TStanding>> tables;
        std::vector<std::vector<int32_t>> local;
        for (size_t group = 0; group < m_Groups.size(); ++group) {
            // The knockout seeds by the group's own numbering.
            std::vector<TStanding> table = Table(static_cast<int32_t>(group));
            std::map<int32_t, int32_t> index;
            for (size_t at = 0; at < m_Groups[group].size(); ++at) {
                index[m_Groups[group][at]] = static_cast<int32_t>(at);
            }
            for (TStanding& standing : table) {
                standing.Player = index[standing.Player];
            }
            tables.push_back(table);
        }
        m_Seeds = KnockoutSeeds(m_Groups, tables, m_Shape.PerGroup);
    }
    const auto seeded = static_cast<int32_t>(m_Seeds.size());
    // Before the groups are done the bracket's shape is known but not its players.
    CKnockout bracket(m_Shape.Kind == TCompetitionKind::Knockout
                          ? m_Shape.Players
                          : m_Shape.Groups * m_Shape.PerGroup,
                      m_Shape.Kind == TCompetitionKind::Knockout && m_Shape.Twice);
    const auto player = [&](int32_t seed) {
        return seed >= 0 && seed < seeded ? m_Seeds[static_cast<size_t>(seed)] : -1;
    };
    // Report what can be reported until nothing more can: a result waits for its match's
    // players, whichever order results came in.
    for (bool progress = seeded > 0; progress;) {
        progress = false;
        for (size_t index = 0; index < bracket.Matches().size(); ++index) {
            const TKnockoutMatch& match = bracket.Matches()[index];
            const auto number = m_FirstKnockout + static_cast<int32_t>(index);
            const auto found = latest.find(number);
            if (match.Winner >= 0 || match.Home < 0 || match.Away < 0 || found == latest.end()) {
                continue;
            }
            const TFixtureResult& result = found->second;
            if (result.Home != player(match.Home) || result.Away != player(match.Away) ||
                result.HomeLegs == result.AwayLegs) {
                continue;
            }
            progress =
                bracket.Report(static_cast<int32_t>(index),
                               result.HomeLegs > result.AwayLegs ? match.Home : match.Away) ||
                progress;
        }
    }
    for (size_t index = 0; index < bracket.Matches().size(); ++index) {
        const TKnockoutMatch& match = bracket.Matches()[index];
        m_Fixtures.push_back({m_FirstKnockout + static_cast<int32_t>(index), -1, match.Round,
                              player(match.Home), player(match.Away), match.LosersBracket, true});
        m_Counted.push_back(match.Winner >= 0 ? counts(m_Fixtures.back()) : std::nullopt);
    }
    m_Champion = player(bracket.Champion());
}
