#pragma once

// What is read of a store for History and for resuming: a stored match whole, a match's state,
// and the list of stored matches in the language shown, for a list model. Nothing is written.

#include "store/StoredMatch.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

// The words the list of stored matches is shown in.
struct TMatchListWords
{
    QString Versus;    // " v "
    QString FirstTo;   // " · first to "
    QString SetOf;     // " set of "
    QString SetsOf;    // " sets of "
    QString Leg;       // " leg"
    QString Legs;      // " legs"
    QString Won;       // " won, "
    QString InPlay;    // "in play, "
    QString Abandoned; // "abandoned, "
    QString Sets;      // "Sets " of a stored score
    QString CommaLegs; // ", Legs " of a stored score
    QString DecimalPoint;
    // Each game's stored name and its name as shown.
    std::vector<std::pair<QString, QString>> GameNames;
};

class CMatchQueries final
{
public:
    // The most sides a match has, and so the average columns of the list.
    static constexpr int kMaxSides = 8;

    explicit CMatchQueries(QSqlDatabase database);

    // The stored match `id` with its operations; none when it is not there or cannot be read.
    // What had to be read with care is in its Problems.
    std::optional<TStoredMatch> Load(int64_t id) const;
    std::optional<TMatchState> State(int64_t id) const;
    int MatchCount() const;
    // The most sides any stored match has, two at least.
    int MostSides() const;
    // Every stored match, newest first: its hidden id, Date, Players, Game, Result and one
    // average column per side (Avg 1 .. Avg 8), in `words`.
    QSqlQuery MatchList(const TMatchListWords& words) const;

private:
    QSqlDatabase m_Database;
};
