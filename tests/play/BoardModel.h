// The rules the play test holds the game to, written out again from the
// game's own description rather than taken from the game's code: where a
// press lands, what a tick does, when a board is settled, what a level and a
// Reset cost.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "game/Board.h"

namespace pelmora::play::model {

// Any press is hit-tested on the drawn grid: 705 x 720 twips from (30, 75).
struct PressedCell {
    int row;
    int column;
};
std::optional<PressedCell> pressedCell(double x, double y);

// b g r y B G R Y X and nothing else.
bool isKnownCode(char cell);

// Boxes of each colour, selected or not, in the order the count labels show
// them: red, blue, green, yellow; and their total.
struct Tally {
    int red = 0, blue = 0, green = 0, yellow = 0;
    int total() const { return red + blue + green + yellow; }
};
Tally tallyBoxes(const Board& board);

int selectedCount(const Board& board);
// The normal code of the selection's colour, '\0' if nothing is selected,
// '?' if the selection mixes colours.
char selectionColour(const Board& board);
// The board with every selected box turned back to normal.
Board withoutSelection(const Board& board);
// True if the normal box at (row, column) has a same-coloured neighbour once
// any selection is cleared.
bool hasPartner(const Board& board, int row, int column);

// One timer tick on the board: one column-closing pass, then one falling pass.
Board tick(const Board& board);
bool isSettled(const Board& board);
// Ticks needed to settle the board, or nullopt if `limit` ticks do not.
std::optional<int> ticksToSettle(const Board& board, int limit);
// No board, whatever happened to it, needs more ticks than this: one per
// column that can slide, one per row that can fall.
inline constexpr int kMostTicksToSettle = 7 + 13;

// Points in total needed to leave `level`; nothing from level 10 on.
std::optional<std::int64_t> levelThreshold(int level);
std::int64_t resetCost(std::int64_t resetsBefore);
std::int64_t groupValue(int boxes);

std::string numberText(std::int64_t value);
std::string describe(const Board& board);

}  // namespace pelmora::play::model
