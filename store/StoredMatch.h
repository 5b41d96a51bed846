#pragma once

// A match as the store keeps it: its parameters and every operation, in order.

#include "MatchOperation.h"

#include <QDateTime>
#include <QString>
#include <vector>

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

// A name as it may be shown and stored: bidirectional controls dropped (they would turn the
// text around it), a line break or tab made a space, so one name never becomes two lines.
QString CleanName(const QString& name);
std::string CleanName(const std::string& name);
