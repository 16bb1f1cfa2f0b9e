#include "game/Board.h"

namespace pelmora {

void ColourCounts::add(char cell) {
    blue += cell == code::kBlue;
    green += cell == code::kGreen;
    red += cell == code::kRed;
    yellow += cell == code::kYellow;
}

void Board::clear(char fill) {
    cells_.fill(fill);
}

ColourCounts Board::countNormalBoxes() const {
    // Branch-free so that the compiler can count many cells at once.
    ColourCounts counts;
    for (char cell : cells_) counts.add(cell);
    return counts;
}

}  // namespace pelmora
