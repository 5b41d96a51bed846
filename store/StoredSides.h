#pragma once

// What a match of more than two sides, of pairs or with handicaps holds beyond its row in
// `matches`: one row per side in `sides` (its name, start score and its two throwers' names).
// A match of one or two singles sides without handicaps writes none, so its file reads as
// before in every version; an older program ignores the table.

#include "model/UnitVTXGameLogic.h"

#include <QStringList>
#include <cstdint>

class QSqlDatabase;

class QSqlError;

// The statement that adds the table to a store that lacks it.
extern const char* const kSidesTable;
// The sides the computer throws for, in `computers`: one row per such side, its average and
// the match's seed. Written only for a match with a computer; a person's figures never count
// a row of it, whatever the name.
extern const char* const kComputersTable;

// Whether `params` need the table.
bool UsesSides(const TGameParams& params);
// Writes the sides of match `matchId` (and removes rows of an earlier match that had the id).
bool WriteSides(QSqlDatabase& database, int64_t matchId, const TGameParams& params,
                QSqlError& error);
// Fills the sides of match `matchId` into `params`, whose player count is read already. A row
// that fits no side of the match is ignored, and a side without a row keeps the names and start
// score of the match's own row; each is said in `problems`.
void ReadSides(const QSqlDatabase& database, int64_t matchId, TGameParams& params,
               QStringList* problems = nullptr);

// Whether `params` have a computer side.
bool UsesComputers(const TGameParams& params);
bool WriteComputers(QSqlDatabase& database, int64_t matchId, const TGameParams& params,
                    QSqlError& error);
// Fills the computer sides of match `matchId` into `params` (player count read already); a
// store without the table has none.
// An average outside what the computer throws is brought within it, and a seed that is no
// number taken as 0; each is said in `problems`.
void ReadComputers(const QSqlDatabase& database, int64_t matchId, TGameParams& params,
                   QStringList* problems = nullptr);
