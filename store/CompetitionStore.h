#pragma once

// Competitions kept in a database through Qt SQL: the local SQLite store on one PC, or the
// club's PostgreSQL server that every board of the club shares. The same tables and statements
// serve both. A result is keyed by its match's key, so sending one twice (a board that lost its
// connection before it heard the answer) keeps it once. A fixture is taken by one board at a
// time. Every call answers at once from the connection given; the caller chooses the thread.

#include "league/Competition.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

struct TCompetitionRecord
{
    QString Id; // the same on every board
    QString Name;
    TCompetitionShape Shape;
    QStringList Players;
    // The match format every fixture is played in: the game's title ("Standard 501",
    // "Cricket", ...), the legs (and sets) to win and the double-out rule.
    QString Game;
    int32_t LegsToWin = 3;
    int32_t SetsToWin = 0;
    bool DoubleOut = true;
    QString Created;
};

// A side's figures in one result, for the competition's averages and records.
struct TSideFigures
{
    int32_t Points = 0;
    int32_t Darts = 0;
    int32_t Count180 = 0;
    int32_t HighestCheckout = 0;

    bool operator==(const TSideFigures&) const = default;
};

struct TStoredResult
{
    QString MatchKey; // the match's own key; one result a match
    QString Competition;
    TFixtureResult Result{};
    QString Board;  // where it was played
    QString Reason; // a result given by hand says why (a walkover); empty when played
    QString At;
    TSideFigures Home;
    TSideFigures Away;
};

struct TFixtureClaim
{
    int32_t Fixture = -1;
    QString Board;
    QString MatchKey;
};

class CCompetitionStore final
{
public:
    // Over an open connection (QSQLITE or QPSQL); the tables are made when missing.
    explicit CCompetitionStore(QSqlDatabase database);

    // Makes the tables; false with Problem when the database refuses.
    [[nodiscard]] bool Prepare();
    [[nodiscard]] bool IsClub() const;
    const QString& Problem() const { return m_Problem; }

    // False when the name is taken (Problem says so) or the database refuses.
    [[nodiscard]] bool Create(const TCompetitionRecord& record);
    std::vector<TCompetitionRecord> Competitions();
    std::optional<TCompetitionRecord> ByName(const QString& name);
    // In the order they came in.
    std::vector<TStoredResult> Results(const QString& competition);
    std::vector<TFixtureClaim> Claims(const QString& competition);

    // Takes a fixture for `board`: the claim that holds afterwards (this board's, or the other
    // board's that had it), nullopt when the database refused. A claim stays once its match has
    // a result, so a fixture once taken is taken by nobody else; `takeOver` takes it all the
    // same (to play it again, or from a board that has gone away with its match abandoned).
    std::optional<TFixtureClaim> Claim(const QString& competition, int32_t fixture,
                                       const QString& board, const QString& matchKey,
                                       bool takeOver = false);
    [[nodiscard]] bool Release(const QString& competition, int32_t fixture, const QString& board);

    enum class TTable
    {
        Results, // the competition's results
        Waiting  // the local store's results not yet on the club's server
    };
    // Adds a result (a key already there is kept as it was: true). On the club's server every
    // board listening hears of it.
    [[nodiscard]] bool AddResult(const TStoredResult& result, TTable table = TTable::Results);
    std::vector<TStoredResult> Waiting();
    [[nodiscard]] bool RemoveWaiting(const QString& matchKey);

    // The channel the club's boards listen on.
    static QString Channel();

private:
    bool Run(const QString& statement);
    // Tells every board listening on the club's server that something changed.
    bool Notify();
    bool Failed(const class QSqlQuery& query);
    std::vector<TStoredResult> ReadResults(const QString& table, const QString& competition);

    QSqlDatabase m_Database;
    QString m_Problem;
};

// The local store of competitions, beside the match store and apart from it (each file is one
// program part's own): competitions.sqlite in the match store's folder.
QString CompetitionStorePath();

// The key of a new match of a competition: unique on every board.
QString NewMatchKey();
