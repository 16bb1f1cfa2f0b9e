// The deal of a Reset: the boxes on the board are counted into a pool and
// dealt out again cell by cell.
#pragma once

#include "game/Board.h"
#include "game/RandomSource.h"

namespace pelmora {

// Visits every cell (rows outside, columns inside) and draws RandomInt(0, 30)
// for each. k = r / 3 picks one of four colour orders for k = 0..3; the cell
// takes the first colour of that order left in the pool, or becomes empty
// once the pool is spent. k = 4..10 leaves the cell as it is. Expects no
// selected cells. Never leaves fewer boxes than it found.
void reshuffle(Board& board, RandomSource& random);

}  // namespace pelmora
