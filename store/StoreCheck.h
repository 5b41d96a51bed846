#pragma once

// What SQLite says of a store file: its result codes, and the whole file's check, which runs
// apart from the program's own connection (on a thread of its own, after the start).

#include <QString>

class QSqlError;

// SQLite's primary result codes that the store tells apart (the driver gives extended ones).
enum TSqliteCode : int
{
    kSqlitePerm = 3,
    kSqliteBusy = 5,
    kSqliteLocked = 6,
    kSqliteReadOnly = 8,
    kSqliteIoError = 10,
    kSqliteCorrupt = 11,
    kSqliteFull = 13,
    kSqliteCantOpen = 14,
    kSqliteNotADatabase = 26,
};

int PrimaryCode(const QSqlError& error);
// The file is no database, or a page of it cannot be read.
bool IsDamage(const QSqlError& error);

// What the whole file's check found.
struct TStoreCheck
{
    bool Ran = false;     // false: the file could not be read to check it (it may be gone)
    bool Damaged = false; // SQLite found a page it cannot read
};

// SQLite's check of every page of the store at `path`, on a read-only connection of its own:
// it may run on another thread while the program writes the store, and takes about a third
// of a second for a store of years.
TStoreCheck CheckStoreFile(const QString& path);

// Copies what the store's journal holds into the store file (SQLite's checkpoint, which syncs
// the file), on a connection of its own and without waiting for the program's writes: the
// writer does not do it within a turn. False when it could not run.
bool CheckpointStoreFile(const QString& path);
