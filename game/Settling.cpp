#include "game/Settling.h"

namespace pelmora {
namespace {

bool columnIsEmpty(const Board& board, int column) {
    for (int row = 0; row < kRows; ++row)
        if (board.at(row, column) != code::kEmpty) return false;
    return true;
}

}  // namespace

void DropBoxes(Board& board) {
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 1; row < kRows; ++row) {
            if (board.at(row, column) == code::kEmpty) {
                board.at(row, column) = board.at(row - 1, column);
                board.at(row - 1, column) = code::kEmpty;
            }
        }
    }
}

void CloseEmptyColumns(Board& board) {
    for (int column = 0; column < kColumns - 1; ++column) {
        if (!columnIsEmpty(board, column)) continue;
        for (int row = 0; row < kRows; ++row) {
            board.at(row, column) = board.at(row, column + 1);
            board.at(row, column + 1) = code::kEmpty;
        }
    }
}

}  // namespace pelmora
