#include "boards/BoardWords.h"

#include <QCoreApplication>
#include <algorithm>

QString BoardReadyText()
{
    return QCoreApplication::translate("BoardWords", "Board: ready");
}

QString BoardConnectingText(const QString& where)
{
    return QCoreApplication::translate("BoardWords", "Board: connecting to %1").arg(where);
}

QString BoardNotReachableText(const QString& where, const QString& reason)
{
    return reason.isEmpty()
               ? QCoreApplication::translate("BoardWords", "Board: not reachable at %1").arg(where)
               : QCoreApplication::translate("BoardWords", "Board: not reachable at %1 (%2)")
                     .arg(where, reason);
}

int ReconnectDelayMs(int attempt)
{
    return attempt >= 5 ? 30000 : 1000 << std::max(attempt, 0);
}
