#pragma once

// Every match kept: an SQLite file (through Qt SQL) that follows the match in play operation
// by operation, each in its own transaction, so that a process killed at any moment loses
// nothing the window had shown. A match is rebuilt by replaying its operations through the
// model's public operations. Faults never stop play and never cost a stored match: a store
// that cannot be written says why (Problem), keeps what it could not write in memory and
// writes it at the next operation that finds the store writable again. Only a file that SQLite
// itself finds damaged is set aside; one program writes the store at a time.

#include "store/MatchExport.h"
#include "store/MatchQueries.h"
#include "store/PlayerRecords.h"
#include "store/StoredMatch.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>
#include <vector>

class QLockFile;
class QSqlDatabase;
class QSqlError;

class CMatchStore final
{
public:
    static constexpr int kSchemaVersion = 2;
    // PRAGMA application_id of a Vantorix store ("VTX1"); stores made before it was set have 0
    // and are known by their tables.
    static constexpr int kApplicationId = 0x56545831;
    // How long a write waits for another program holding the file (a backup, a reader).
    static constexpr int kBusyMilliseconds = 3000;
    // How often a store that could not be opened is tried again, at most.
    static constexpr int kRetryMilliseconds = 2000;

    // $XDG_DATA_HOME/vantorix/matches.sqlite, ~/.local/share/vantorix/ when that is unset.
    static QString DefaultPath();

    // `connectOptions` go to the SQLite driver after the store's own (the tests open a file
    // read-only with "QSQLITE_OPEN_READONLY", as on a read-only disk).
    explicit CMatchStore(QString path, QString connectOptions = {});
    ~CMatchStore();
    CMatchStore(const CMatchStore&) = delete;
    CMatchStore& operator=(const CMatchStore&) = delete;

    // Opens the file, made on first use, migrated to the current schema, and takes the lock
    // "<name>.lock" beside it. Only a file that SQLite finds damaged (not a database, or
    // corrupt where it reads) is kept aside, under a name no earlier one has ("<name>.bad",
    // "<name>.bad.1", …), and a fresh one made. A link, another program's database, or one
    // written by a newer version is left alone and refused. A full disk, a missing
    // permission or a lock leave the file as it is: False, with the reason in Problem, and it
    // is tried again at the next operation. A store locked by another Vantorix is opened for
    // reading only: History works, nothing is recorded, and its match in play is not offered.
    // Opening reads only what it needs, whatever the file's size: a file that is no database
    // or has its first pages damaged is found here, the rest by CheckStoreFile.
    bool Open();
    // A store that CheckStoreFile found damaged, while no match is being recorded into it:
    // kept aside and a fresh one made with what still reads carried over, as Open does with a
    // file found damaged while opening (Problem says so).
    bool SetDamagedAside();
    // A write found a page of the store damaged (SetDamagedAside mends it).
    bool FoundDamaged() const { return m_FoundDamaged; }
    bool IsOpen() const { return m_Open; }
    // Whether this program writes the store (it holds the lock).
    bool IsWriter() const { return m_Writer; }
    // What went wrong last (or that recording goes on again), in the operator's words; empty
    // when nothing did.
    const QString& Problem() const { return m_Problem; }
    const QString& Path() const { return m_Path; }
    // Operations of the match in play that are kept in memory until the store takes writes.
    int32_t Unwritten() const { return static_cast<int32_t>(m_Unwritten.size()); }

    // Starts recording a new match; the one that was in play, if not won, is abandoned (and
    // can still be resumed from History). When the store cannot take it now it is kept and
    // written with the match's first operation that finds the store writable.
    bool BeginMatch(const QString& gameName, const TGameParams& params);
    // Goes on recording the stored match `id` (resumed): it is the match in play again, and
    // another that was in play is abandoned. With `keepFigures` (its replay skipped an
    // operation) its operations are appended but its stored figures are never rewritten from
    // the match in memory, which lacks what was skipped.
    bool ContinueMatch(int64_t id, bool keepFigures = false);
    // Appends an operation of the match being recorded, with the match's figures after it.
    // False when it could not be written now; it is then kept and written later.
    bool Record(const TMatchOperation& operation, const CMatch& match);
    int64_t CurrentMatch() const { return m_MatchId; }

    // The newest match still in play, to offer for resuming; none when another program
    // writes the store (it is that program's match).
    std::optional<TStoredMatch> LastInPlay() const;
    std::optional<TStoredMatch> Load(int64_t id) const;
    // The store's reads for History (the list of matches, a match's state); invalid when not
    // open.
    CMatchQueries Queries() const;
    // Deletes a stored match; the match being recorded is refused (Problem says so).
    bool Delete(int64_t id);
    TPlayerRecord PlayerRecord(const QString& name) const;
    // The player's 3-dart average in each stored match in which they threw, oldest first.
    std::vector<std::pair<QDateTime, double>> PlayerAverages(const QString& name) const;
    QStringList PlayerNames() const;

    // The open connection, for list models over queries; invalid when not open.
    QSqlDatabase Database() const;

private:
    // The store cannot be used: closed, and never tried again (`retry` false) or at the next
    // operation.
    bool Fail(const QString& problem, bool retry);
    // A write failed: the reason from SQLite's error, in words.
    QString Reason(const QSqlError& error) const;
    bool Exec(const QString& statement);
    // Every close of the connection: the kept statements first, a transaction left open rolled
    // back when asked; the store is then not open.
    void CloseConnection(bool rollback = false);
    // The statements every turn runs, prepared once a connection (SQLite's parsing cost more
    // than running them); dropped before the connection closes.
    enum TStatement
    {
        kInsertOperation,
        kUpdateMatch,
        kUpdatePlayer,
        kStatements
    };
    QSqlQuery& Statement(TStatement which, const QString& text);
    bool OpenConnection();
    bool CheckOwnFile();
    bool Migrate(int fromVersion);
    bool SetAside();
    // The journal file was deleted while the store was open: what it held is put into the
    // store file and a new journal made, and the operator is told.
    void JournalLost();
    // Writes what is kept in memory: the match's start, then its operations, then the
    // figures (none: only the start).
    // What a match's row and its players' rows say of it after an operation.
    struct TMatchFigures
    {
        int32_t Winner = -1;
        int32_t Legs = 1;
        QString Score;
        std::vector<TPlayerStats> Players;
    };
    bool Record(const TMatchOperation& operation, const TMatchFigures& figures);
    bool WriteUnwritten(const TMatchFigures* figures);
    bool InsertMatch(QSqlError& error);
    bool WriteFigures(const TMatchFigures& figures, QSqlError& error);

    QString m_Path;
    // A damaged store just set aside, whose matches the new one takes up.
    QString m_DamagedPath;
    QString m_Connection;
    QString m_ConnectOptions;
    std::unique_ptr<QLockFile> m_Lock;
    bool m_Open = false;
    bool m_Writer = false;
    // Open failed for a reason that may pass (a full disk, a permission, a lock).
    bool m_Retry = false;
    // A write failed since the last one that went through: the next success is announced.
    bool m_Behind = false;
    bool m_FoundDamaged = false;
    // The connection's busy timeout, and whether it is set to fail at once while behind.
    int m_BusyTimeout = kBusyMilliseconds;
    bool m_FailingFast = false;
    QElapsedTimer m_LastOpen;
    QString m_Problem;
    // The match being recorded: its row (0 until written), the operations written of it,
    // and what is not written yet.
    bool m_Recording = false;
    bool m_KeepFigures = false;
    std::array<std::optional<QSqlQuery>, kStatements> m_Statements;
    int64_t m_MatchId = 0;
    int64_t m_Sequence = 0;
    std::optional<std::pair<QString, TGameParams>> m_UnwrittenStart;
    std::vector<TMatchOperation> m_Unwritten;
};
