#include "BoardModel.h"

#include <array>
#include <cctype>
#include <cmath>

namespace pelmora::play::model {
namespace {

constexpr double kGridLeft = 30, kGridTop = 75, kCellWide = 705, kCellTall = 720;
constexpr std::array<std::int64_t, 9> kThresholds = {200000,  450000,  640000,  1000000, 1260000,
                                                     1715000, 2240000, 2835000, 3500000};

bool isEmptyColumn(const Board& board, int column) {
    for (int row = 0; row < kRows; ++row)
        if (board.at(row, column) != 'X') return false;
    return true;
}

}  // namespace

std::optional<PressedCell> pressedCell(double x, double y) {
    const double column = std::floor((x - kGridLeft) / kCellWide);
    const double row = std::floor((y - kGridTop) / kCellTall);
    if (!(column >= 0 && column <= 12 && row >= 0 && row <= 6)) return std::nullopt;
    return PressedCell{static_cast<int>(row), static_cast<int>(column)};
}

bool isKnownCode(char cell) {
    switch (cell) {
        case 'b':
        case 'g':
        case 'r':
        case 'y':
        case 'B':
        case 'G':
        case 'R':
        case 'Y':
        case 'X': return true;
        default: return false;
    }
}

Tally tallyBoxes(const Board& board) {
    Tally tally;
    for (char cell : board.cells()) {
        switch (std::tolower(static_cast<unsigned char>(cell))) {
            case 'r': ++tally.red; break;
            case 'b': ++tally.blue; break;
            case 'g': ++tally.green; break;
            case 'y': ++tally.yellow; break;
            default: break;
        }
    }
    return tally;
}

int selectedCount(const Board& board) {
    int count = 0;
    for (char cell : board.cells()) count += isSelectedBox(cell) ? 1 : 0;
    return count;
}

char selectionColour(const Board& board) {
    char colour = '\0';
    for (char cell : board.cells()) {
        if (!isSelectedBox(cell)) continue;
        const char normal = static_cast<char>(std::tolower(static_cast<unsigned char>(cell)));
        if (colour != '\0' && colour != normal) return '?';
        colour = normal;
    }
    return colour;
}

Board withoutSelection(const Board& board) {
    Board cleared = board;
    for (char& cell : cleared.cells())
        if (isSelectedBox(cell))
            cell = static_cast<char>(std::tolower(static_cast<unsigned char>(cell)));
    return cleared;
}

bool hasPartner(const Board& board, int row, int column) {
    const Board cleared = withoutSelection(board);
    const char code = cleared.at(row, column);
    const int steps[4][2] = {{-1, 0}, {1, 0}, {0, 1}, {0, -1}};
    for (const auto& step : steps) {
        const int r = row + step[0], c = column + step[1];
        if (r >= 0 && r < kRows && c >= 0 && c < kColumns && cleared.at(r, c) == code) return true;
    }
    return false;
}

Board tick(const Board& board) {
    Board next = board;
    // Column pass: each wholly empty column, left to right, takes the one to
    // its right; the last column has nothing to take.
    for (int column = 0; column < kColumns; ++column) {
        if (!isEmptyColumn(next, column) || column == kColumns - 1) continue;
        for (int row = 0; row < kRows; ++row) {
            next.at(row, column) = next.at(row, column + 1);
            next.at(row, column + 1) = 'X';
        }
    }
    // Falling pass: going down each column, an empty cell takes the code above.
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 1; row < kRows; ++row) {
            if (next.at(row, column) != 'X') continue;
            next.at(row, column) = next.at(row - 1, column);
            next.at(row - 1, column) = 'X';
        }
    }
    return next;
}

bool isSettled(const Board& board) {
    bool emptySeen = false;
    for (int column = 0; column < kColumns; ++column) {
        const bool empty = isEmptyColumn(board, column);
        if (emptySeen && !empty) return false;
        emptySeen = emptySeen || empty;
        for (int row = 0; row + 1 < kRows; ++row)
            if (board.at(row, column) != 'X' && board.at(row + 1, column) == 'X') return false;
    }
    return true;
}

std::optional<int> ticksToSettle(const Board& board, int limit) {
    Board current = board;
    for (int ticks = 0; ticks <= limit; ++ticks) {
        if (isSettled(current)) return ticks;
        current = tick(current);
    }
    return std::nullopt;
}

std::optional<std::int64_t> levelThreshold(int level) {
    if (level < 1 || level > static_cast<int>(kThresholds.size())) return std::nullopt;
    return kThresholds[static_cast<std::size_t>(level - 1)];
}

std::int64_t resetCost(std::int64_t resetsBefore) { return 15000 + 20000 * resetsBefore; }

std::int64_t groupValue(int boxes) { return 500 * static_cast<std::int64_t>(boxes) * boxes; }

std::string numberText(std::int64_t value) { return std::to_string(value); }

std::string describe(const Board& board) {
    std::string text;
    for (int row = 0; row < kRows; ++row) {
        text += "  ";
        for (int column = 0; column < kColumns; ++column) {
            const char cell = board.at(row, column);
            text += isKnownCode(cell) ? cell : '?';
        }
        text += '\n';
    }
    return text;
}

}  // namespace pelmora::play::model
