#pragma once

// The darts of the turns entered dart by dart, in `turn_darts`: one row per such operation
// (its sequence number and up to three darts, each segment x 4 + multiplier). The operation's
// own row keeps the total and the claim the darts made, so an older program, which ignores the
// table, replays the same match from the totals.

#include "model/UnitVTXGameLogic.h"

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

class QSqlDatabase;
class QSqlError;

extern const char* const kTurnDartsTable;

// How a match is entered, in `entry_modes`: one row per match made by this version (1: dart by
// dart, 0: totals). A match without a row was stored before the table; its mode is guessed
// from its darts.
extern const char* const kEntryModesTable;

bool WriteEntryMode(QSqlDatabase& database, int64_t matchId, bool enterDarts, QSqlError& error);
// The stored mode of match `matchId`; none when it has no row.
std::optional<bool> ReadEntryMode(const QSqlDatabase& database, int64_t matchId);

// The match's seed when no computer keeps it (a game that draws from it: Killer's numbers): a
// row only when the seed is not 0, so a file of a match without one is as it was. An older
// program leaves the table alone.
extern const char* const kMatchSeedsTable;
bool WriteMatchSeed(QSqlDatabase& database, int64_t matchId, uint64_t seed, QSqlError& error);
std::optional<uint64_t> ReadMatchSeed(const QSqlDatabase& database, int64_t matchId);

bool WriteTurnDarts(QSqlDatabase& database, int64_t matchId, int64_t sequence,
                    const std::vector<TDart>& darts, QSqlError& error);
// The darts of match `matchId` by sequence number; a row that holds no dart that can be
// thrown is left out (its operation replays as the total it kept).
std::map<int64_t, std::vector<TDart>> ReadTurnDarts(const QSqlDatabase& database, int64_t matchId);
