#pragma once

// The main window's status bar carries the room's line and the board's: it is shown while
// either is, and goes when neither is.

#include <QLabel>
#include <QStatusBar>
#include <algorithm>

inline void FitStatusBar(QStatusBar& bar)
{
    const QList<QLabel*> lines = bar.findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    bar.setVisible(std::any_of(lines.begin(), lines.end(),
                               [](const QLabel* line) { return !line->isHidden(); }));
}
