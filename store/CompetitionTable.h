#pragma once

// A competition's tables with the players' names and their figures in it (3-dart average,
// 180s, highest checkout), from its stored results, and the same as CSV for a club's web page.

#include "league/BoardQueue.h"
#include "store/CompetitionStore.h"

#include <QString>
#include <map>
#include <vector>

struct TStandingRow
{
    int32_t Group; // -1 for a league's or a knockout's
    TStanding Standing;
    QString Name;
    double Average; // points per three darts, 0 without darts
    int32_t Count180;
    int32_t HighestCheckout;
};

// The competition with its results as they count (the latest for a fixture).
CCompetition CompetitionOf(const TCompetitionRecord& record,
                           const std::vector<TStoredResult>& results);

// Every table, group by group: a league's one, each group's, or for a knockout every player's
// record in it (ranked as a table would rank it). Players level share a rank; a playoff is
// marked only once the table's fixtures are all played.
std::vector<TStandingRow> StandingRows(const TCompetitionRecord& record,
                                       const std::vector<TStoredResult>& results);

// The order of play over the boards known: `board` (this one) is board 0, each board playing a
// fixture follows. Queue[i] and Slots[i] are fixture i's state and planned slot.
struct TFixturePlan
{
    std::vector<TQueuedFixture> Queue;
    std::vector<TPlannedSlot> Slots;
};
TFixturePlan PlanFixtures(const CCompetition& competition,
                          const std::map<int32_t, QString>& playing, const QString& board);

// The fixtures to be played, in the order of play over the boards known (`board`, this one, and
// each playing one): those playing first (with their board), then the next ones; at most `count`.
struct TNextFixture
{
    int32_t Fixture;
    QString Home;
    QString Away;
    QString Board; // the board playing it; empty for one still to start
};
std::vector<TNextFixture> NextFixtures(const TCompetitionRecord& record,
                                       const std::vector<TStoredResult>& results,
                                       const std::map<int32_t, QString>& playing,
                                       const QString& board, size_t count);

// The rows as CSV with a header line; the texts of the columns are fixed, never translated.
QString StandingsCsv(const std::vector<TStandingRow>& rows);
