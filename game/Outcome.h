// What a handler did, in numbers, for a front end that tells the player in
// words (a screen reader's). The rules keep no words: the front ends do.
#pragma once

#include <cstdint>
#include <optional>

#include "game/Board.h"

namespace pelmora {

// The game as it stands between two events: what a player may ask about at
// any time. Ticks only move boxes, so only handlers change it.
struct Standing {
    std::int64_t points = 0;
    int level = 1;
    std::optional<std::int64_t> nextLevelAt;  // none from the top level on
    std::int64_t nextResetCost = 0;
    int selectedBoxes = 0;
    std::int64_t selectionValue = 0;  // 0 while nothing is selected
    ColourCounts boxesLeft;           // selected boxes counted with their colour
};

struct Outcome {
    enum class What {
        Dealt,       // the first board
        Pressed,     // a press on the board; the fields below say what it did
        LevelUp,     // LEVEL UP granted: a new board at the next level
        NewGame,     // LEVEL UP refused: after the box, level 1 with no points
        AtTopLevel,  // LEVEL UP from the top level: nothing happened
        Reshuffled,  // Reset
    };

    What what = What::Dealt;
    // A press on a selected group removed it: how many boxes, what they earned.
    int removedBoxes = 0;
    std::int64_t removedValue = 0;
    // The press selected a group (after any removal): `after` has its size.
    bool selected = false;
    // The press reached a box with no same-coloured neighbour: nothing is
    // selected now.
    bool loneBox = false;
    Standing after;
};

}  // namespace pelmora
