#pragma once

#include <QIcon>

class QPainter;
class QRectF;

// The window's images 0..11 (4 and 7 are unused; 10 is the match history, 11 the board): the
// desktop theme's icon where there is one, else a small drawing of our own. Both are looked up
// and drawn when first painted, the drawings at the size asked for, so they cost nothing at
// start-up and look sharp at any scale.
QIcon ToolIcon(int index);

// The program's own icon (a dartboard with a dart), drawn at any size; the same design as
// data/icons/vantorix.svg.
QIcon ApplicationIcon();
void PaintApplicationIcon(QPainter& painter, const QRectF& area);
