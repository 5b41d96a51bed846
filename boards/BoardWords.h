#pragma once

// How a board stands, in the operator's words, said alike whichever board it is, and how long a
// board that went away is waited for before the next try.

#include <QString>

QString BoardReadyText();
QString BoardConnectingText(const QString& where);
// `reason` (empty: none) as the link gave it.
QString BoardNotReachableText(const QString& where, const QString& reason = {});

// The wait before the `attempt`th try to reach a board again (from 0): 1 s, 2 s, 4 s ... 30 s.
int ReconnectDelayMs(int attempt);
