// The keyboard cursor on the board: which cell the keys point at. It is the
// player's view state, never a cell code, so the rules never see it; it stays
// where it was when a new board is dealt.
#pragma once

#include <QPointF>

#include "game/Geometry.h"

namespace pelmora {

class BoardCursor {
public:
    // Row 0..6, column 0..12; starts on the top-left cell.
    Cell cell() const { return cell_; }
    // Moves for an arrow key (one cell, stopping at the edges), Home/End
    // (first and last column of the row) or Page Up/Page Down (top and
    // bottom of the column). False, and no move, for any other key.
    bool move(int key);
    // The centre of the cursor's cell on the drawn grid, in twips from the
    // surface's inner corner: where a mouse press on that cell's middle lands.
    QPointF centreTwips() const;

private:
    Cell cell_{0, 0};
};

}  // namespace pelmora
