#pragma once

// A stored match told in words and exported: its one-line description, its score, its CSV
// and a file name for it.

#include "model/UnitVTXGameLogic.h"
#include "store/StoredMatch.h"

#include <QByteArray>
#include <memory>

class CMatch;

// Rebuilds an X01 `match` into `game`: NewGame with its parameters, then every operation in order.
// An operation the match refuses is skipped and the replay goes on; false when one was.
bool Rebuild(CGame& game, const TStoredMatch& match);
// The stored match made by its game's name and its operations replayed (skipped as Rebuild
// skips them); `whole` says whether none was.
std::unique_ptr<CMatch> Rebuilt(const TStoredMatch& match, bool* whole = nullptr);

// "Anna v Ben · Standard 501 · Leg 3 · 1-1".
QString Describe(const TStoredMatch& match);

// The match as CSV (RFC 4180, UTF-8 with a byte-order mark, CRLF): a header row, then one row
// per turn in the order thrown: leg, set, player, turn number, score, remainder after it,
// and the darts the match counts for the turn (3, or the darts of a claimed checkout). A name
// that a spreadsheet would take for a formula (=, +, -, @, a tab or a carriage return first)
// is written with a leading "'".
QByteArray MatchCsv(const TStoredMatch& match);

// A text cell: quoted as RFC 4180 says when it needs it, and led by "'" when a spreadsheet
// would read it as a formula.
QString CsvText(const QString& text);

// A file name for the match's CSV: "Anna v Ben 2026-12-08 20-15.csv"; long names are cut so
// that the name stays within about 100 bytes, and no "/" is left in it.
QString CsvFileName(const TStoredMatch& match);

// "1-1" (legs in the set in play), "Sets 1-0, Legs 1-1" with sets; legs won without a length.
QString ScoreText(const CMatch& match);
