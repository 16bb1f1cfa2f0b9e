// Where a test presses to reach a cell: the middle of its drawn tile, in
// twips from the board surface's inner corner. Written out from the drawn
// grid (cells 705 x 720 twips from 30, 75) rather than taken from
// game/Geometry.h, so that a wrong grid there shows up.
#pragma once

namespace pelmora::test_support {

struct TwipsPoint {
    float x, y;
};

constexpr TwipsPoint middleOfCell(int row, int column) {
    return {382.5f + 705.0f * static_cast<float>(column), 435.0f + 720.0f * static_cast<float>(row)};
}

}  // namespace pelmora::test_support
