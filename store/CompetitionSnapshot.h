#pragma once

// What the program knows of the competitions at one moment, handed from the thread that keeps
// them to the windows whole: every competition, its results and which boards hold which
// fixtures, and how the club's server stands.

#include "store/CompetitionStore.h"

#include <QString>
#include <algorithm>
#include <map>
#include <vector>

struct TCompetitionSnapshot
{
    std::vector<TCompetitionRecord> Competitions;
    std::map<QString, std::vector<TStoredResult>> Results; // by competition id
    std::map<QString, std::vector<TFixtureClaim>> Claims;  // by competition id
    bool Club = false;                                     // a club's server is set
    bool Connected = false;                                // and reached
    int32_t Waiting = 0; // results kept here until the club's server takes them
    QString Problem;     // why the club's server cannot be reached, or the last write failed

    // The fixtures of competition `id` a board is playing now, with the board: those whose claim's
    // match has no result yet.
    std::map<int32_t, QString> Playing(const QString& id) const
    {
        std::map<int32_t, QString> playing;
        const auto claims = Claims.find(id);
        const auto results = Results.find(id);
        if (claims == Claims.end()) {
            return playing;
        }
        for (const TFixtureClaim& claim : claims->second) {
            const bool done = results != Results.end() &&
                              std::any_of(results->second.begin(), results->second.end(),
                                          [&](const TStoredResult& result) {
                                              return result.MatchKey == claim.MatchKey;
                                          });
            if (!done) {
                playing[claim.Fixture] = claim.Board;
            }
        }
        return playing;
    }

    // The results of competition `id` in the order they came in (none for one not known).
    const std::vector<TStoredResult>& ResultsOf(const QString& id) const
    {
        static const std::vector<TStoredResult> none;
        const auto found = Results.find(id);
        return found != Results.end() ? found->second : none;
    }

    const TCompetitionRecord* Find(const QString& id) const
    {
        for (const TCompetitionRecord& record : Competitions) {
            if (record.Id == id) {
                return &record;
            }
        }
        return nullptr;
    }
};
