#pragma once

// Every match kept: an SQLite file (through Qt SQL) that follows the match in play operation
// by operation, each in its own transaction, so that a process killed at any moment loses
// nothing the window had shown. A match is rebuilt by replaying its operations through the
// model's public operations. Faults never stop play: a store that cannot be used says why
// (Problem) and records nothing more, and the match goes on unsaved.

#include "MatchOperation.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QSqlDatabase;

enum class TMatchState : int32_t
{
    InPlay = 0,
    Won = 1,
    Abandoned = 2, // a new game was started before it was won (or it had no length)
};

struct TStoredMatch
{
    int64_t Id = 0;
    QString GameName; // "Standard 501", as the dialog shows it
    TGameParams Params;
    QDateTime Started;
    TMatchState State = TMatchState::InPlay;
    int32_t Legs = 1; // legs played, the one in play included
    QString Score;    // "1-1", or "Sets 1-0, Legs 1-1"
    std::vector<TMatchOperation> Operations;
};

// Per-player figures over every stored match for one name.
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
};

class CMatchStore final
{
public:
    static constexpr int kSchemaVersion = 1;

    // $XDG_DATA_HOME/vantorix/matches.sqlite, ~/.local/share/vantorix/ when that is unset.
    static QString DefaultPath();

    // `connectOptions` go to the SQLite driver after the store's own (the tests open a file
    // read-only with "QSQLITE_OPEN_READONLY", as on a read-only disk).
    explicit CMatchStore(QString path, QString connectOptions = {});
    ~CMatchStore();
    CMatchStore(const CMatchStore&) = delete;
    CMatchStore& operator=(const CMatchStore&) = delete;

    // Opens the file, made on first use, migrated to the current schema. A file that is not a
    // database or fails the integrity check is kept aside as "<name>.bad" and a fresh one is
    // made; one written by a newer version is left alone. False (with Problem) when the store
    // cannot be used.
    bool Open();
    bool IsOpen() const { return m_Open; }
    // What went wrong last, in the operator's words; empty when nothing did.
    const QString& Problem() const { return m_Problem; }
    const QString& Path() const { return m_Path; }

    // Starts recording a new match; the one that was in play, if not won, is abandoned.
    bool BeginMatch(const QString& gameName, const TGameParams& params);
    // Goes on recording the stored match `id` (resumed after a restart).
    bool ContinueMatch(int64_t id);
    // Appends an operation of the match being recorded, with the match's figures after it.
    bool Record(const TMatchOperation& operation, const CGame& game);
    int64_t CurrentMatch() const { return m_MatchId; }

    // The newest match still in play, to offer for resuming.
    std::optional<TStoredMatch> LastInPlay() const;
    std::optional<TStoredMatch> Load(int64_t id) const;
    bool Delete(int64_t id);
    TPlayerRecord PlayerRecord(const QString& name) const;
    // The player's 3-dart average in each stored match in which they threw, oldest first.
    std::vector<std::pair<QDateTime, double>> PlayerAverages(const QString& name) const;
    QStringList PlayerNames() const;

    // The open connection, for list models over queries; invalid when not open.
    QSqlDatabase Database() const;

private:
    bool Fail(const QString& what, const QString& error);
    bool Exec(const QString& statement);
    bool Migrate(int fromVersion);
    bool SetAside();
    bool WriteFigures(const CGame& game);

    QString m_Path;
    QString m_Connection;
    QString m_ConnectOptions;
    bool m_Open = false;
    QString m_Problem;
    int64_t m_MatchId = 0;
    int64_t m_Sequence = 0;
};

// Rebuilds `match` into `game`: NewGame with its parameters, then every operation in order.
// False when an operation is refused (the game then holds those before it).
bool Rebuild(CGame& game, const TStoredMatch& match);

// "Anna v Ben · Standard 501 · Leg 3 · 1-1".
QString Describe(const TStoredMatch& match);

// The match as CSV (RFC 4180, UTF-8 with a byte-order mark, CRLF): a header row, then one row
// per turn in the order thrown: leg, set, player, turn number, score, remainder after it,
// darts claimed.
QByteArray MatchCsv(const TStoredMatch& match);

// A file name for the match's CSV: "Anna v Ben 2026-12-08 20-15.csv".
QString CsvFileName(const TStoredMatch& match);

// "1-1" (legs in the set in play), "Sets 1-0, Legs 1-1" with sets; legs won without a length.
QString ScoreText(const CGame& game);
