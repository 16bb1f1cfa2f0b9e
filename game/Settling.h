// The two settling passes: boxes falling into gaps, empty columns closing
// from the right. Each call makes exactly one pass; the timer repeats them.
#pragma once

#include "game/Board.h"

namespace pelmora {

// For each column 0..12, rows 1..6 going down: an empty cell takes the code
// above it. A box over a run of gaps drops to the bottom of that run in one
// pass; boxes stacked on it wait for later passes.
void DropBoxes(Board& board);

// For each column 0..11 in turn, on the board as the earlier columns left it:
// a wholly empty column takes the codes of the column to its right, which is
// emptied. Column 12 never receives anything.
void CloseEmptyColumns(Board& board);

}  // namespace pelmora
