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
inline constexpr char kSelectedBlue = 'B';
inline constexpr char kSelectedGreen = 'G';
inline constexpr char kSelectedRed = 'R';
inline constexpr char kSelectedYellow = 'Y';
inline constexpr char kEmpty = 'X';
inline constexpr char kNoCode = '\0';
}  // namespace code

// The colours in their fixed order; a new board maps its draws onto it.
inline constexpr std::array<char, 4> kColoursInOrder = {code::kBlue, code::kGreen, code::kRed,
                                                        code::kYellow};

constexpr bool isNormalBox(char cell) {
    return cell == code::kBlue || cell == code::kGreen || cell == code::kRed ||
           cell == code::kYellow;
}
// 1 for a selected code, else 0. A sum of comparisons rather than a chain of
// ||, which the compiler turns into a bit test: whole-board loops over this
// sum vectorise.
constexpr int selectedFlag(char cell) {
    return (cell == code::kSelectedBlue) + (cell == code::kSelectedGreen) +
           (cell == code::kSelectedRed) + (cell == code::kSelectedYellow);
}
constexpr bool isSelectedBox(char cell) { return selectedFlag(cell) != 0; }
// The selected form of a colour is its upper-case letter.
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
    std::span<char, kCells> cells() { return cells_; }
    std::span<const char, kCells> cells() const { return cells_; }
    static bool contains(int row, int column) {
        return row >= 0 && row < kRows && column >= 0 && column < kColumns;
    }

    void clear(char fill) { cells_.fill(fill); }
    // Counts the normal boxes only: selected codes are not counted.
    ColourCounts countNormalBoxes() const;
    bool operator==(const Board&) const = default;

private:
    std::array<char, kCells> cells_;
};

}  // namespace pelmora
