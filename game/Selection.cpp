#include "game/Selection.h"

#include "game/CellBlocks.h"

#include <array>
#include <bit>
#include <cstdint>

namespace pelmora {
namespace {

// The cells selected so far, one bit per cell in row-major order, so that a
// pass can jump from one selected cell to the next instead of testing all 91.
class SelectedCells {
public:
    explicit SelectedCells(const Board& board) {
        for (int index = 0; index < kCells; ++index)
            if (isSelectedBox(board.cells()[index])) add(index);
    }
    void add(int index) { words_[index / 64] |= std::uint64_t{1} << (index % 64); }
    // The first selected cell at `from` or later, or kCells when none is left.
    int next(int from) const {
        for (int word = from / 64; word < kWords; ++word) {
            std::uint64_t bits = words_[word];
            if (word == from / 64) bits &= ~std::uint64_t{0} << (from % 64);
            if (bits != 0) return word * 64 + std::countr_zero(bits);
        }
        return kCells;
    }

private:
    static constexpr int kWords = (kCells + 63) / 64;
    std::array<std::uint64_t, kWords> words_{};
};

// Returns how many cells the walk rewrote.
int spread(Board& board, SelectedCells* selected, int row, int column, int rowStep,
           int columnStep, char match, char newCode) {
    int rewritten = 0;
    for (;;) {
        row += rowStep;
        column += columnStep;
        if (!Board::contains(row, column) || board.at(row, column) != match) return rewritten;
        board.at(row, column) = newCode;
        if (selected) selected->add(row * kColumns + column);
        ++rewritten;
    }
}

}  // namespace

void SpreadUp(Board& board, int row, int column, char match, char newCode) {
    spread(board, nullptr, row, column, -1, 0, match, newCode);
}
void SpreadDown(Board& board, int row, int column, char match, char newCode) {
    spread(board, nullptr, row, column, +1, 0, match, newCode);
}
void SpreadRight(Board& board, int row, int column, char match, char newCode) {
    spread(board, nullptr, row, column, 0, +1, match, newCode);
}
void SpreadLeft(Board& board, int row, int column, char match, char newCode) {
    spread(board, nullptr, row, column, 0, -1, match, newCode);
}

void growSelection(Board& board) {
    SelectedCells selected(board);
    for (int pass = 0; pass < kSelectionPasses; ++pass) {
        int rewritten = 0;
        // Visits the selected cells in row-major order; cells that a walk
        // selects further on in this order are visited in this same pass.
        for (int index = selected.next(0); index < kCells; index = selected.next(index + 1)) {
            const int row = index / kColumns;
            const int column = index % kColumns;
            const char cell = board.at(row, column);
            const char match = normalFormOf(cell);
            rewritten += spread(board, &selected, row, column, -1, 0, match, cell);  // up
            rewritten += spread(board, &selected, row, column, +1, 0, match, cell);  // down
            rewritten += spread(board, &selected, row, column, 0, +1, match, cell);  // right
            rewritten += spread(board, &selected, row, column, 0, -1, match, cell);  // left
        }
        // A pass that changed nothing leaves the same board for the next
        // one, so the remaining passes could not change anything either.
        if (rewritten == 0) return;
    }
}

// The whole-board scans below touch each cell on its own, so they run over
// the flat cell array, written branch-free.

int countSelected(const Board& board) { return countMarked(board, selectedIn); }

void clearSelection(Board& board) {
    constexpr std::uint8_t kCaseDistance = 'a' - 'A';
    for (int block = 0; block < kBlocks; ++block) {
        const CellBlock cells = loadBlock(board, block);
        storeBlock(board, block, cells + (selectedIn(cells) & kCaseDistance));
    }
}

void emptySelected(Board& board) {
    for (int block = 0; block < kBlocks; ++block) {
        const CellBlock cells = loadBlock(board, block);
        const CellBlock selected = selectedIn(cells);
        storeBlock(board, block, (cells & ~selected) | (selected & static_cast<std::uint8_t>(code::kEmpty)));
    }
}

bool hasSameColouredNeighbour(const Board& board, int row, int column) {
    const char box = board.at(row, column);
    return (row >= 1 && board.at(row - 1, column) == box) ||
           (row <= kRows - 2 && board.at(row + 1, column) == box) ||
           (column <= kColumns - 2 && board.at(row, column + 1) == box) ||
           (column >= 1 && board.at(row, column - 1) == box);
}

}  // namespace pelmora
