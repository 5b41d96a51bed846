#pragma once

// A person's figures over every stored match under one name. A side the computer threw for
// is never counted, whatever it was called: the figures are the person's own.

#include <QDateTime>
#include <QStringList>
#include <cstdint>
#include <utility>
#include <vector>

class QSqlDatabase;

struct TPlayerRecord
{
    int64_t MatchesPlayed = 0;
    int64_t MatchesWon = 0;
    int64_t LegsPlayed = 0;
    int64_t LegsWon = 0;
    double ThreeDartAverage = 0.0;
    int32_t HighestTurn = 0;
    int64_t Count180 = 0;
    int32_t HighestCheckout = 0;
    // Darts thrown in X01 matches: none, and the X01 figures above mean nothing (a player of
    // cricket and the practice games only).
    int64_t X01Darts = 0;
};

// The names of cricket and the practice games as an SQL list ("('Cricket', …)"): their matches
// score no X01 points, so they count for matches and legs but not for an average.
QString OtherGamesSqlList();

TPlayerRecord ReadPlayerRecord(const QSqlDatabase& database, const QString& name);
// The player's 3-dart average in each stored X01 match in which they threw, oldest first.
std::vector<std::pair<QDateTime, double>> ReadPlayerAverages(const QSqlDatabase& database,
                                                             const QString& name);
// Every person's name, sorted.
QStringList ReadPlayerNames(const QSqlDatabase& database);
