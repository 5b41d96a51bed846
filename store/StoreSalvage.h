#pragma once

// What can still be read of a damaged store, carried into the new one made in its place: each
// match whose rows all read (in every table of the store) is copied whole, or not at all.

#include <QString>

class QSqlDatabase;

struct TSalvage
{
    int Saved = 0; // matches carried over whole
    int Found = 0; // matches whose id could be read
};

// Copies what reads of the store at `damagedPath` into `database` (new, with its tables made).
TSalvage SalvageMatches(QSqlDatabase& database, const QString& damagedPath);
