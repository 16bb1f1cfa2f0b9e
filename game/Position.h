// Where a game stands between two events: the board, the level, the points
// and the Resets charged so far.
#pragma once

#include <cstdint>

#include "game/Board.h"

namespace pelmora {

struct Position {
    Board board;
    int level = 1;
    std::int64_t points = 0;
    std::int64_t resets = 0;
};

}  // namespace pelmora
