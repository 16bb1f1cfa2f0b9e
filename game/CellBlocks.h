// Whole-board scans sixteen cells at a time. The board is small, but the
// scans run at every press, removal and Reset, and a byte-by-byte loop over
// several codes does not vectorise by itself.
#pragma once

#include <cstdint>
#include <cstring>

#include "game/Board.h"

namespace pelmora {

// Sixteen cells; comparisons give 0xFF where true and 0 where false.
using CellBlock = std::uint8_t __attribute__((vector_size(16)));

inline constexpr int kBlocks = Board::kStoredCells / 16;

inline CellBlock loadBlock(const Board& board, int block) {
    CellBlock cells;
    std::memcpy(&cells, board.storage() + block * 16, sizeof cells);
    return cells;
}

inline void storeBlock(Board& board, int block, CellBlock cells) {
    std::memcpy(board.storage() + block * 16, &cells, sizeof cells);
}

inline CellBlock matches(CellBlock cells, char code) {
    return reinterpret_cast<CellBlock>(cells == static_cast<std::uint8_t>(code));
}

inline CellBlock selectedIn(CellBlock cells) {
    return matches(cells, 'B') | matches(cells, 'G') | matches(cells, 'R') | matches(cells, 'Y');
}

// How many cells hold any of the codes a mask function marks.
template <typename Mask>
int countMarked(const Board& board, Mask mask) {
    CellBlock ones{};  // each lane counts at most kBlocks
    for (int block = 0; block < kBlocks; ++block) ones += mask(loadBlock(board, block)) & 1;
    int total = 0;
    for (int lane = 0; lane < 16; ++lane) total += ones[lane];
    return total;
}

inline int countInBlocks(const Board& board, char code) {
    return countMarked(board, [code](CellBlock cells) { return matches(cells, code); });
}

}  // namespace pelmora
