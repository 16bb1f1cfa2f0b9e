#include "about/Centring.h"

#include <algorithm>
#include <cmath>

namespace pelmora::about {

QPointF centredTopLeft(const QRect& screen, const QSize& outerSize) {
    const double left = (double(screen.width()) - outerSize.width()) / 2.0;
    const double top = (double(screen.height()) - outerSize.height()) / 2.0;
    return QPointF(screen.left() + left, screen.top() + top);
}

QPoint centredTopLeftPixels(const QRect& screen, const QSize& outerSize) {
    const QPointF exact = centredTopLeft(screen, outerSize);
    return QPoint(int(std::floor(exact.x())), int(std::floor(exact.y())));
}

QPoint keptOnScreen(const QPoint& topLeft, const QRect& available) {
    return QPoint(std::max(topLeft.x(), available.left()), std::max(topLeft.y(), available.top()));
}

}  // namespace pelmora::about
