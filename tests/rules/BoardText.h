// Boards written as text, one letter per cell, so that a test shows the
// position it sets up and the one it expects.
#pragma once

#include <algorithm>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/Board.h"
#include "game/Geometry.h"

namespace pelmora {
inline void PrintTo(const Cell& cell, std::ostream* out) { *out << "(" << cell.row << "," << cell.column << ")"; }
}  // namespace pelmora

namespace pelmora::test_support {

using Lines = std::vector<std::string>;

// 7 rows of 13 letters, top row first.
inline Board boardFromRows(const Lines& rows) {
    if (rows.size() != kRows) throw std::invalid_argument("a board has 7 rows");
    Board board;
    for (int row = 0; row < kRows; ++row) {
        if (rows[row].size() != kColumns) throw std::invalid_argument("a row has 13 cells");
        for (int column = 0; column < kColumns; ++column) board.at(row, column) = rows[row][column];
    }
    return board;
}

// 13 columns of 7 letters, leftmost first, each read top to bottom.
inline Board boardFromColumns(const Lines& columns) {
    if (columns.size() != kColumns) throw std::invalid_argument("a board has 13 columns");
    Board board;
    for (int column = 0; column < kColumns; ++column) {
        if (columns[column].size() != kRows) throw std::invalid_argument("a column has 7 cells");
        for (int row = 0; row < kRows; ++row) board.at(row, column) = columns[column][row];
    }
    return board;
}

inline Lines rowsOf(const Board& board) {
    Lines rows(kRows, std::string(kColumns, ' '));
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) rows[row][column] = board.at(row, column);
    return rows;
}

inline Lines columnsOf(const Board& board) {
    Lines columns(kColumns, std::string(kRows, ' '));
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) columns[column][row] = board.at(row, column);
    return columns;
}

inline Board filledBoard(char code) {
    Board board;
    board.clear(code);
    return board;
}

// Full, and no two same-coloured boxes side by side.
inline Board loneBoxesBoard() {
    return boardFromRows({"bgrybgrybgryb", "rybgrybgrybgr", "bgrybgrybgryb", "rybgrybgrybgr",
                          "bgrybgrybgryb", "rybgrybgrybgr", "bgrybgrybgryb"});
}

inline int countOf(const Board& board, char code) {
    int count = 0;
    for (const std::string& row : rowsOf(board)) count += static_cast<int>(std::count(row.begin(), row.end(), code));
    return count;
}

inline int boxCount(const Board& board) { return kCells - countOf(board, 'X'); }

// Row by row, left to right.
inline std::vector<Cell> selectedCells(const Board& board) {
    std::vector<Cell> cells;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            if (std::string("BGRY").find(board.at(row, column)) != std::string::npos) cells.push_back({row, column});
    return cells;
}

}  // namespace pelmora::test_support
