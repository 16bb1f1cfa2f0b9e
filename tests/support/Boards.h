// Boards built from a few letters, and what tests ask of a board.
#pragma once

#include <ostream>
#include <string>

#include "game/Board.h"
#include "game/Geometry.h"

namespace pelmora {
// How GoogleTest prints a cell and a board in a failure.
inline void PrintTo(const Cell& cell, std::ostream* out) { *out << cell.row << "," << cell.column; }
inline void PrintTo(const Board& board, std::ostream* out) {
    for (int row = 0; row < kRows; ++row) out->put('\n').write(board.cells().data() + row * kColumns, kColumns);
}
}  // namespace pelmora

namespace pelmora::test_support {

// `codes` holds one letter per column, written down the whole column.
inline Board columnsBoard(const std::string& codes) {
    Board board;
    for (int cell = 0; cell < kCells; ++cell) board.cells()[cell] = codes.at(cell % kColumns);
    return board;
}
inline Board filled(char code) { return columnsBoard(std::string(kColumns, code)); }

// `rows` holds seven rows of thirteen letters, top first.
inline Board rowsBoard(const char* const (&rows)[kRows]) {
    Board board;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) board.at(row, column) = rows[row][column];
    return board;
}

// How many cells hold any of `codes`.
inline int countOf(const Board& board, const std::string& codes) {
    int count = 0;
    for (char cell : board.cells()) count += codes.find(cell) != std::string::npos;
    return count;
}

// No box over a gap, and every empty column has only empty columns to its
// right: ticks would change nothing.
inline bool isSettled(const Board& board) {
    bool seenEmptyColumn = false;
    for (int column = 0; column < kColumns; ++column) {
        bool empty = true;
        for (int row = 0; row < kRows; ++row) {
            if (board.at(row, column) != code::kEmpty) empty = false;
            if (row > 0 && board.at(row, column) == code::kEmpty && board.at(row - 1, column) != code::kEmpty)
                return false;
        }
        if (seenEmptyColumn && !empty) return false;
        seenEmptyColumn = seenEmptyColumn || empty;
    }
    return true;
}

}  // namespace pelmora::test_support
