// Where the board lies on its surface, in twips from its inner corner.
#pragma once

#include <optional>

namespace pelmora {

// Cell (row, column) is drawn at (kBoardLeft + column * kCellWidth,
// kBoardTop + row * kCellHeight), kCellWidth x kCellHeight in size. The cell
// size is the outer size of the blue tile holder (43 x 44 pixels plus a
// 2-pixel frame on every side).
inline constexpr int kBoardLeft = 30;
inline constexpr int kBoardTop = 75;
inline constexpr int kCellWidth = 705;
inline constexpr int kCellHeight = 720;

struct Cell {
    int row;
    int column;
    bool operator==(const Cell&) const = default;
};

// The cell under a press at (x, y) twips from the surface's inner corner, on
// the same grid the tiles are drawn on; nothing outside the drawn grid.
std::optional<Cell> cellAtPress(double x, double y);

}  // namespace pelmora
