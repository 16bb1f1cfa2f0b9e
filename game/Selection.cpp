#include "game/Selection.h"

namespace pelmora {
namespace {

void spread(Board& board, int row, int column, int rowStep, int columnStep, char match,
            char newCode) {
    for (;;) {
        row += rowStep;
        column += columnStep;
        if (!Board::contains(row, column) || board.at(row, column) != match) return;
        board.at(row, column) = newCode;
    }
}

}  // namespace

void SpreadUp(Board& board, int row, int column, char match, char newCode) {
    spread(board, row, column, -1, 0, match, newCode);
}
void SpreadDown(Board& board, int row, int column, char match, char newCode) {
    spread(board, row, column, +1, 0, match, newCode);
}
void SpreadRight(Board& board, int row, int column, char match, char newCode) {
    spread(board, row, column, 0, +1, match, newCode);
}
void SpreadLeft(Board& board, int row, int column, char match, char newCode) {
    spread(board, row, column, 0, -1, match, newCode);
}

void growSelection(Board& board) {
    for (int pass = 0; pass < kSelectionPasses; ++pass) {
        for (int row = 0; row < kRows; ++row) {
            for (int column = 0; column < kColumns; ++column) {
                const char cell = board.at(row, column);
                if (!isSelectedBox(cell)) continue;
                const char match = normalFormOf(cell);
                SpreadUp(board, row, column, match, cell);
                SpreadDown(board, row, column, match, cell);
                SpreadRight(board, row, column, match, cell);
                SpreadLeft(board, row, column, match, cell);
            }
        }
    }
}

int countSelected(const Board& board) {
    int count = 0;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            if (isSelectedBox(board.at(row, column))) ++count;
    return count;
}

void clearSelection(Board& board) {
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            if (isSelectedBox(board.at(row, column)))
                board.at(row, column) = normalFormOf(board.at(row, column));
}

void emptySelected(Board& board) {
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            if (isSelectedBox(board.at(row, column))) board.at(row, column) = code::kEmpty;
}

bool hasSameColouredNeighbour(const Board& board, int row, int column) {
    const char box = board.at(row, column);
    return (row >= 1 && board.at(row - 1, column) == box) ||
           (row <= kRows - 2 && board.at(row + 1, column) == box) ||
           (column <= kColumns - 2 && board.at(row, column + 1) == box) ||
           (column >= 1 && board.at(row, column - 1) == box);
}

}  // namespace pelmora
