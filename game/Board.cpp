#include "game/Board.h"

namespace pelmora {

ColourCounts Board::countNormalBoxes() const {
    // One pass, each count a sum of comparisons: no branch per cell.
    ColourCounts counts;
    for (char cell : cells_) {
        counts.blue += cell == code::kBlue;
        counts.green += cell == code::kGreen;
        counts.red += cell == code::kRed;
        counts.yellow += cell == code::kYellow;
    }
    return counts;
}

}  // namespace pelmora
