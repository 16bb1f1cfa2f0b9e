// Where the board lies on its surface, in twips from its inner corner.
#pragma once

#include <optional>

namespace pelmora {

// The board's one cell grid: the window draws cell (row, column) in its
// cellRect, and a press anywhere in that box reaches that cell. The cell is
// the outer size of the blue tile's box in the tile holder.
inline constexpr int kBoardLeft = 30;
inline constexpr int kBoardTop = 75;
inline constexpr int kCellWidth = 705;
inline constexpr int kCellHeight = 720;

struct Cell {
    int row;
    int column;
    bool operator==(const Cell&) const = default;
};

struct CellRect {
    int left, top, width, height;
};

struct SurfacePoint {
    double x, y;
};

// Cell (row, column)'s box. Rows and columns past the board's last give the
// grid lines beyond it.
constexpr CellRect cellRect(Cell cell) {
    return {kBoardLeft + cell.column * kCellWidth, kBoardTop + cell.row * kCellHeight, kCellWidth, kCellHeight};
}

// The middle of the cell's box: where a press on the cell's middle lands.
constexpr SurfacePoint cellCentre(Cell cell) {
    const CellRect box = cellRect(cell);
    return {box.left + box.width / 2.0, box.top + box.height / 2.0};
}

// The cell under a press at (x, y) twips from the surface's inner corner, on
// the same grid the tiles are drawn on; nothing outside the drawn grid.
std::optional<Cell> cellAtPress(double x, double y);

}  // namespace pelmora
