// The 7 x 13 board of one-letter cell codes.
#pragma once

#include <array>

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

bool isNormalBox(char cell);    // b, g, r, y
bool isSelectedBox(char cell);  // B, G, R, Y
char selectedFormOf(char normalBox);
char normalFormOf(char selectedBox);

struct ColourCounts {
    int blue = 0;
    int green = 0;
    int red = 0;
    int yellow = 0;
    int total() const { return blue + green + red + yellow; }
    // Adds one for a normal box; anything else counts nothing.
    void add(char cell);
};

class Board {
public:
    Board() { clear(code::kNoCode); }

    // row 0..6 top to bottom, column 0..12 left to right.
    char& at(int row, int column) { return cells_[row][column]; }
    char at(int row, int column) const { return cells_[row][column]; }
    static bool contains(int row, int column) {
        return row >= 0 && row < kRows && column >= 0 && column < kColumns;
    }

    void clear(char fill);
    // Counts the normal boxes only: selected codes are not counted.
    ColourCounts countNormalBoxes() const;
    bool operator==(const Board&) const = default;

private:
    std::array<std::array<char, kColumns>, kRows> cells_{};
};

}  // namespace pelmora
