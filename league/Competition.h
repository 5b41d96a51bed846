#pragma once

// One competition's shape and results, whatever its kind: its fixtures with the players known so
// far, its tables and its bracket. Results may come in any order and from several boards; a
// fixture played again is decided by its latest result. Pure C++.

#include "league/Knockout.h"
#include "league/Standings.h"

#include <cstdint>
#include <optional>
#include <vector>

enum class TCompetitionKind
{
    League,        // a round robin, once or twice
    Knockout,      // single or double elimination
    GroupsKnockout // round robin groups, then a single elimination knockout
};

struct TCompetitionShape
{
    TCompetitionKind Kind = TCompetitionKind::League;
    int32_t Players = 0;
    // League and groups: every pair meets twice. Knockout: double elimination.
    bool Twice = false;
    // Groups then knockout: how many groups, and how many of each go on.
    int32_t Groups = 0;
    int32_t PerGroup = 0;
};

// A fixture's stable number and where it stands in the competition.
struct TCompetitionFixture
{
    int32_t Number;
    int32_t Group; // the group (from 0) of a group fixture; -1 for a league's or a knockout's
    int32_t Round;
    int32_t Home; // the competition's player, -1 while not yet known
    int32_t Away;
    bool LosersBracket;
    bool Knockout;
};

// A fixture's result: its players as they were when it was played (a knockout fixture whose
// players have since changed, because an earlier one was played again, no longer takes it).
struct TFixtureResult
{
    int32_t Number;
    int32_t Home;
    int32_t Away;
    int32_t HomeLegs;
    int32_t AwayLegs;
};

class CCompetition final
{
public:
    // Nothing playable for a shape out of range: 2 to 64 players, and for groups at least two
    // players a group and no more going on than a group has.
    explicit CCompetition(const TCompetitionShape& shape);

    [[nodiscard]] bool Valid() const { return !m_Fixtures.empty(); }
    [[nodiscard]] const TCompetitionShape& Shape() const { return m_Shape; }
    // Results in the order they came in; replaces what was set before.
    void SetResults(const std::vector<TFixtureResult>& results);

    // Every fixture: the league's or groups' first, then the knockout's as its bracket grows.
    [[nodiscard]] const std::vector<TCompetitionFixture>& Fixtures() const { return m_Fixtures; }
    // The result that counts for a fixture, if any.
    [[nodiscard]] std::optional<TFixtureResult> ResultOf(int32_t number) const;
    // The players of a group (-1: the league's), by the competition's numbering.
    [[nodiscard]] std::vector<int32_t> GroupPlayers(int32_t group) const;
    // The table of a group (-1: the league's) with the competition's player numbers.
    [[nodiscard]] std::vector<TStanding> Table(int32_t group) const;
    // -1 until decided: the knockout's champion, or a league's sole first when every fixture
    // has its result.
    [[nodiscard]] int32_t Winner() const;
    // The knockout's seeds as the competition's players (empty before the knockout is drawn).
    [[nodiscard]] const std::vector<int32_t>& KnockoutPlayers() const { return m_Seeds; }

private:
    void Build();

    TCompetitionShape m_Shape;
    std::vector<TFixtureResult> m_Results;
    std::vector<std::vector<int32_t>> m_Groups;
    std::vector<TCompetitionFixture> m_Fixtures;
    std::vector<std::optional<TFixtureResult>> m_Counted; // by fixture number
    std::vector<int32_t> m_Seeds;
    int32_t m_FirstKnockout = 0; // the knockout's first fixture number
    int32_t m_Champion = -1;
};
