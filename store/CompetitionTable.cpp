#include "store/CompetitionTable.h"

#include "store/MatchExport.h"

#include <algorithm>
#include <map>

namespace {

std::vector<TFixtureResult> FixtureResults(const std::vector<TStoredResult>& results)
{
    std::vector<TFixtureResult> fixtures;
    for (const TStoredResult& result : results) {
        fixtures.push_back(result.Result);
    }
    return fixtures;
}

} // namespace

CCompetition CompetitionOf(const TCompetitionRecord& record,
                           const std::vector<TStoredResult>& results)
{
    CCompetition competition(record.Shape);
    competition.SetResults(FixtureResults(results));
    return competition;
}

std::vector<TStandingRow> StandingRows(const TCompetitionRecord& record,
                                       const std::vector<TStoredResult>& results)
{
    const CCompetition competition = CompetitionOf(record, results);
    // Each player's figures over the results that count: the latest of each fixture.
    struct TTally
    {
        int64_t Points = 0;
        int64_t Darts = 0;
        int32_t Count180 = 0;
        int32_t HighestCheckout = 0;
    };
    std::map<int32_t, TTally> tallies;
    std::map<int32_t, const TStoredResult*> counted;
    for (const TStoredResult& result : results) {
        counted[result.Result.Number] = &result;
    }
    std::vector<TResult> knockoutResults;
    for (const auto& [number, stored] : counted) {
        const std::optional<TFixtureResult> counts = competition.ResultOf(number);
        if (!counts) {
            continue;
        }
        for (const auto& [player, figures] :
             {std::pair{counts->Home, stored->Home}, std::pair{counts->Away, stored->Away}}) {
            TTally& tally = tallies[player];
            tally.Points += figures.Points;
            tally.Darts += figures.Darts;
            tally.Count180 += figures.Count180;
            tally.HighestCheckout = std::max(tally.HighestCheckout, figures.HighestCheckout);
        }
        knockoutResults.push_back({counts->Home, counts->Away, counts->HomeLegs, counts->AwayLegs});
    }
    std::vector<std::pair<int32_t, std::vector<TStanding>>> tables;
    if (record.Shape.Kind == TCompetitionKind::Knockout) {
        tables.emplace_back(-1, Standings(record.Shape.Players, knockoutResults));
    } else if (record.Shape.Kind == TCompetitionKind::League) {
        tables.emplace_back(-1, competition.Table(-1));
    } else {
        for (int32_t group = 0; group < record.Shape.Groups; ++group) {
            tables.emplace_back(group, competition.Table(group));
        }
    }
    // A playoff is needed only once a table's every fixture has its result; a knockout's record
    // table never needs one (its bracket decides).
    const auto complete = [&](int32_t group) {
        for (const TCompetitionFixture& fixture : competition.Fixtures()) {
            if (!fixture.Knockout && fixture.Group == std::max(group, 0) &&
                !competition.ResultOf(fixture.Number)) {
                return false;
            }
        }
        return record.Shape.Kind != TCompetitionKind::Knockout;
    };
    std::vector<TStandingRow> rows;
    for (const auto& [group, table] : tables) {
        const bool decided = complete(group);
        for (TStanding standing : table) {
            standing.PlayoffNeeded = standing.PlayoffNeeded && decided;
            const TTally& tally = tallies[standing.Player];
            rows.push_back({group, standing, record.Players.value(standing.Player),
                            tally.Darts > 0 ? 3.0 * static_cast<double>(tally.Points) /
                                                  static_cast<double>(tally.Darts)
                                            : 0.0,
                            tally.Count180, tally.HighestCheckout});
        }
    }
    return rows;
}

TFixturePlan PlanFixtures(const CCompetition& competition,
                          const std::map<int32_t, QString>& playing, const QString& board)
{
    std::map<QString, int32_t> boards = {{board, 0}};
    for (const auto& [fixture, name] : playing) {
        boards.emplace(name, static_cast<int32_t>(boards.size()));
    }
    TFixturePlan plan;
    for (const TCompetitionFixture& fixture : competition.Fixtures()) {
        const auto claimed = playing.find(fixture.Number);
        plan.Queue.push_back({fixture.Home, fixture.Away,
                              competition.ResultOf(fixture.Number).has_value(),
                              claimed == playing.end() ? -1 : boards.at(claimed->second)});
    }
    plan.Slots = OrderOfPlay(plan.Queue, static_cast<int32_t>(boards.size()));
    return plan;
}

std::vector<TNextFixture> NextFixtures(const TCompetitionRecord& record,
                                       const std::vector<TStoredResult>& results,
                                       const std::map<int32_t, QString>& playing,
                                       const QString& board, size_t count)
{
    const CCompetition competition = CompetitionOf(record, results);
    const TFixturePlan planned = PlanFixtures(competition, playing, board);
    const std::vector<TQueuedFixture>& queue = planned.Queue;
    const std::vector<TPlannedSlot>& plan = planned.Slots;
    std::vector<size_t> order;
    for (size_t at = 0; at < plan.size(); ++at) {
        if (plan[at].Slot >= 0 && !queue[at].Done) {
            order.push_back(at);
        }
    }
    std::stable_sort(order.begin(), order.end(), [&](size_t left, size_t right) {
        return std::pair(plan[left].Slot, queue[left].Board < 0) <
               std::pair(plan[right].Slot, queue[right].Board < 0);
    });
    std::vector<TNextFixture> next;
    for (size_t at = 0; at < order.size() && next.size() < count; ++at) {
        const TCompetitionFixture& fixture = competition.Fixtures()[order[at]];
        const auto claimed = playing.find(fixture.Number);
        next.push_back({fixture.Number, record.Players.value(fixture.Home),
                        record.Players.value(fixture.Away),
                        claimed == playing.end() ? QString() : claimed->second});
    }
    return next;
}

QString StandingsCsv(const std::vector<TStandingRow>& rows)
{
    QString csv = QStringLiteral(
        "Group,Rank,Player,Played,Won,Drawn,Lost,LegsFor,LegsAgainst,LegDifference,Points,"
        "Average,180s,HighestCheckout,PlayoffNeeded\r\n");
    for (const TStandingRow& row : rows) {
        const TStanding& standing = row.Standing;
        QStringList fields = {
            row.Group < 0 ? QString() : QString(QChar(u'A' + row.Group)),
            QString::number(standing.Rank),
            CsvText(row.Name),
        };
        for (const int32_t figure :
             {standing.Played, standing.Won, standing.Drawn, standing.Lost, standing.LegsFor,
              standing.LegsAgainst, standing.LegsFor - standing.LegsAgainst, standing.Points}) {
            fields << QString::number(figure);
        }
        fields << QString::number(row.Average, 'f', 2) << QString::number(row.Count180)
               << QString::number(row.HighestCheckout)
               << (standing.PlayoffNeeded ? QStringLiteral("yes") : QStringLiteral("no"));
        csv += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return csv;
}
