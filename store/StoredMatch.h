#pragma once

// A match as the store keeps it: its parameters and every operation, in order.

#include "model/GameParams.h"
#include "model/MatchOperation.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
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
    // What was read that no match of this version holds, and the safe value used instead
    // ("a row for side 10, which the match does not have, was ignored").
    QStringList Problems;
};

// A name as it may be shown and stored: bidirectional controls dropped (they would turn the
// text around it), a line break or tab made a space, so one name never becomes two lines.
QString CleanName(const QString& name);
std::string CleanName(const std::string& name);

// The most a name holds, typed or read from a store, in UTF-16 units.
inline constexpr qsizetype kNameLength = 64;
// A name cleaned and held to kNameLength, cut on a whole character: an emoji at the limit goes
// whole rather than leaving half of it (which would show as "?").
QString CutName(const QString& name);
