#include "game/Selection.h"

#include <algorithm>

namespace pelmora {
namespace {

int spread(Board& board, int row, int column, int rowStep, int columnStep, char match,
           char newCode) {
    int rewritten = 0;
    for (;;) {
        row += rowStep;
        column += columnStep;
        if (!Board::contains(row, column) || board.at(row, column) != match) return rewritten;
        board.at(row, column) = newCode;
        ++rewritten;
    }
}

}  // namespace

int SpreadUp(Board& board, int row, int column, char match, char newCode) {
    return spread(board, row, column, -1, 0, match, newCode);
}
int SpreadDown(Board& board, int row, int column, char match, char newCode) {
    return spread(board, row, column, +1, 0, match, newCode);
}
int SpreadRight(Board& board, int row, int column, char match, char newCode) {
    return spread(board, row, column, 0, +1, match, newCode);
}
int SpreadLeft(Board& board, int row, int column, char match, char newCode) {
    return spread(board, row, column, 0, -1, match, newCode);
}

void growSelection(Board& board) {
    // The pass only needs to look from the first selected cell to the last,
    // in visiting order; the walks widen that span as they select.
    int first = kCells;
    int last = -1;
    for (int index = 0; index < kCells; ++index) {
        if (!isSelectedBox(board.cells()[index])) continue;
        first = std::min(first, index);
        last = index;
    }
    for (int pass = 0; pass < kSelectionPasses; ++pass) {
        int rewritten = 0;
        // Row by row, column by column; a cell a walk selects further on in
        // this order is visited in this same pass.
        for (int index = first; index <= last; ++index) {
            const int row = index / kColumns;
            const int column = index % kColumns;
            const char cell = board.at(row, column);
            if (!isSelectedBox(cell)) continue;
            const char match = normalFormOf(cell);
            const int up = SpreadUp(board, row, column, match, cell);
            const int down = SpreadDown(board, row, column, match, cell);
            const int right = SpreadRight(board, row, column, match, cell);
            const int left = SpreadLeft(board, row, column, match, cell);
            first = std::min({first, index - up * kColumns, index - left});
            last = std::max({last, index + down * kColumns, index + right});
            rewritten += up + down + right + left;
        }
        if (rewritten == 0) return;
    }
}

// The scans below look at each cell on its own, so they run over the flat
// cell array with no branch per cell, which lets the compiler take many
// cells at a time.

int countSelected(const Board& board) {
    int count = 0;
    for (char cell : board.cells()) count += selectedFlag(cell);
    return count;
}

void unselectAll(Board& board) {
    constexpr int kCaseDistance = 'a' - 'A';
    for (char& cell : board.cells()) cell = static_cast<char>(cell + selectedFlag(cell) * kCaseDistance);
}

void emptySelected(Board& board) {
    for (char& cell : board.cells()) cell = selectedFlag(cell) ? code::kEmpty : cell;
}

bool hasSameColouredNeighbour(const Board& board, int row, int column) {
    const char box = board.at(row, column);
    return (row >= 1 && board.at(row - 1, column) == box) ||
           (row <= kRows - 2 && board.at(row + 1, column) == box) ||
           (column <= kColumns - 2 && board.at(row, column + 1) == box) ||
           (column >= 1 && board.at(row, column - 1) == box);
}

}  // namespace pelmora
