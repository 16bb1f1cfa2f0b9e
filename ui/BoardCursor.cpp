#include "ui/BoardCursor.h"

#include <Qt>
#include <algorithm>

#include "game/Rules.h"

namespace pelmora {

bool BoardCursor::move(int key) {
    Cell to = cell_;
    switch (key) {
        case Qt::Key_Left: --to.column; break;
        case Qt::Key_Right: ++to.column; break;
        case Qt::Key_Up: --to.row; break;
        case Qt::Key_Down: ++to.row; break;
        case Qt::Key_Home: to.column = 0; break;
        case Qt::Key_End: to.column = kColumns - 1; break;
        case Qt::Key_PageUp: to.row = 0; break;
        case Qt::Key_PageDown: to.row = kRows - 1; break;
        default: return false;
    }
    cell_ = {std::clamp(to.row, 0, kRows - 1), std::clamp(to.column, 0, kColumns - 1)};
    return true;
}

QPointF BoardCursor::centreTwips() const {
    const SurfacePoint centre = cellCentre(cell_);
    return {centre.x, centre.y};
}

}  // namespace pelmora
