// Growing, counting and clearing a selection on the board. The selection is
// not a list: it is the set of cells holding a selected (upper-case) code.
#pragma once

#include "game/Board.h"

namespace pelmora {

// The four straight walks. Each starts next to (row, column), never touching
// that cell, and rewrites `match` to `newCode` until it meets the edge or any
// other code, an already selected cell included. Each returns how many cells
// it rewrote.
int SpreadUp(Board& board, int row, int column, char match, char newCode);
int SpreadDown(Board& board, int row, int column, char match, char newCode);
int SpreadRight(Board& board, int row, int column, char match, char newCode);
int SpreadLeft(Board& board, int row, int column, char match, char newCode);

// At most six passes, rows top to bottom and columns left to right, running
// the four walks in the order up, down, right, left from every selected cell.
// A cell selected further on in that order is visited in the same pass. Not
// a full flood fill: shapes that turn back up or left often are selected in
// part. Stops early once a pass changes nothing: the passes left would find
// the same board.
void growSelection(Board& board);

// Number of cells holding a selected code.
int countSelected(const Board& board);

// Turns every selected code back to its normal code.
void unselectAll(Board& board);

// Empties every selected cell.
void emptySelected(Board& board);

// True when the normal box at (row, column) has a same-coloured neighbour,
// looked for above, below, right and left, within the board.
bool hasSameColouredNeighbour(const Board& board, int row, int column);

}  // namespace pelmora
