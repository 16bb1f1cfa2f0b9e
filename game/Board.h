// The 7 x 13 board of one-letter cell codes.
#pragma once

#include <array>
#include <span>

#include "game/Rules.h"

namespace pelmora {

// Cell codes, compared case-sensitively: lower case is a normal box, upper
// case the same box selected, 'X' an empty cell. A cell that was never dealt
// holds kNoCode.
namespace code {
inline constexpr char kBlue = 'b';
inline constexpr char kGreen = 'g';
inline constexpr char kRed = 'r';
inline constexpr char kYellow = 'y';
inline constexpr char kEmpty = 'X';
inline constexpr char kNoCode = '\0';
}  // namespace code

// b, g, r, y
constexpr bool isNormalBox(char cell) {
    return cell == code::kBlue || cell == code::kGreen || cell == code::kRed ||
           cell == code::kYellow;
}
// B, G, R, Y
constexpr bool isSelectedBox(char cell) {
    return cell == 'B' || cell == 'G' || cell == 'R' || cell == 'Y';
}
constexpr char selectedFormOf(char normalBox) { return static_cast<char>(normalBox - 'a' + 'A'); }
constexpr char normalFormOf(char selectedBox) { return static_cast<char>(selectedBox - 'A' + 'a'); }

struct ColourCounts {
    int blue = 0;
    int green = 0;
    int red = 0;
    int yellow = 0;
    int total() const { return blue + green + red + yellow; }
};

class Board {
public:
    Board() { clear(code::kNoCode); }

    // row 0..6 top to bottom, column 0..12 left to right.
    char& at(int row, int column) { return cells_[row * kColumns + column]; }
    char at(int row, int column) const { return cells_[row * kColumns + column]; }

    // All cells, row by row, for scans whose order does not matter.
    std::span<char, kCells> cells() { return std::span<char, kCells>(cells_.data(), kCells); }
    std::span<const char, kCells> cells() const {
        return std::span<const char, kCells>(cells_.data(), kCells);
    }
    // The cells followed by zero bytes up to a whole number of 16-byte
    // blocks, for scans that look at many cells at once.
    static constexpr int kStoredCells = (kCells + 15) / 16 * 16;
    const char* storage() const { return cells_.data(); }
    char* storage() { return cells_.data(); }
    static bool contains(int row, int column) {
        return row >= 0 && row < kRows && column >= 0 && column < kColumns;
    }

    void clear(char fill);
    // Counts the normal boxes only: selected codes are not counted.
    ColourCounts countNormalBoxes() const;
    bool operator==(const Board&) const = default;

private:
    alignas(16) std::array<char, kStoredCells> cells_{};
};

}  // namespace pelmora
