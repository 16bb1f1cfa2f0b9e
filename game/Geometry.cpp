#include "game/Geometry.h"

#include <cmath>

#include "game/Board.h"

namespace pelmora {

std::optional<Cell> cellAtPress(double x, double y) {
    // NaN and infinities fail the range test below as well.
    const double column = std::floor((x - kBoardLeft) / kCellWidth);
    const double row = std::floor((y - kBoardTop) / kCellHeight);
    if (!(column >= 0 && column < kColumns && row >= 0 && row < kRows)) return std::nullopt;
    return Cell{static_cast<int>(row), static_cast<int>(column)};
}

}  // namespace pelmora
