#pragma once

#include <QIcon>

// The window's images 0..9 (4 and 7 are unused): the desktop theme's icon where there is one,
// else a small drawing of our own. The drawings are made when first painted, at the size
// asked for, so they cost nothing at start-up and look sharp at any scale.
QIcon ToolIcon(int index);
