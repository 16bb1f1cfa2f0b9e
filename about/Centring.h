// Where a window goes to sit in the middle of a screen.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

namespace pelmora::about {

// The top-left corner of a window of `outerSize` (frame included) centred on
// `screen`, worked out in floating point.
QPointF centredTopLeft(const QRect& screen, const QSize& outerSize);

// The same corner rounded down to whole pixels, which is all a window
// system takes for a position.
QPoint centredTopLeftPixels(const QRect& screen, const QSize& outerSize);

// `topLeft` moved right and down just enough to lie inside `available` (the
// screen less its panels), so a window larger than the screen keeps its
// title bar where the player can reach it. Otherwise `topLeft` unchanged.
QPoint keptOnScreen(const QPoint& topLeft, const QRect& available);

}  // namespace pelmora::about
