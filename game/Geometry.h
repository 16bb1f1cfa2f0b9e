// Where the board lies on its surface, in twips from its inner corner.
#pragma once

#include <optional>

namespace pelmora {

// The board's one cell grid: the window draws cell (row, column) in the
// kCellWidth x kCellHeight box whose top-left corner is (cellLeft(column),
// cellTop(row)), and a press anywhere in that box reaches that cell. The
// cell is the outer size of the blue tile's box in the tile holder.
inline constexpr int kBoardLeft = 30;
inline constexpr int kBoardTop = 75;
inline constexpr int kCellWidth = 705;
inline constexpr int kCellHeight = 720;

constexpr int cellLeft(int column) { return kBoardLeft + column * kCellWidth; }
constexpr int cellTop(int row) { return kBoardTop + row * kCellHeight; }

struct Cell {
    int row;
    int column;
    bool operator==(const Cell&) const = default;
};

// The cell under a press at (x, y) twips from the surface's inner corner, on
// the same grid the tiles are drawn on; nothing outside the drawn grid.
std::optional<Cell> cellAtPress(double x, double y);

}  // namespace pelmora
