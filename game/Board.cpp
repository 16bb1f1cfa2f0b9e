#include "game/Board.h"

#include <algorithm>

#include "game/CellBlocks.h"

namespace pelmora {

void Board::clear(char fill) {
    std::fill_n(cells_.begin(), kCells, fill);  // the padding stays zero
}

ColourCounts Board::countNormalBoxes() const {
    return {countInBlocks(*this, code::kBlue), countInBlocks(*this, code::kGreen),
            countInBlocks(*this, code::kRed), countInBlocks(*this, code::kYellow)};
}

}  // namespace pelmora
