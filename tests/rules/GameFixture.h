// A game wired to the fakes, with presses aimed at drawn tiles.
#pragma once

#include <gtest/gtest.h>

#include "game/Game.h"
#include "tests/rules/BoardText.h"
#include "tests/rules/FakePlatform.h"

namespace pelmora::test_support {

// Tiles are 705 x 720 twips from (30, 75); written out rather than taken
// from the game, so that a wrong grid shows up.
inline float cellCentreX(int column) { return 30.0f + column * 705.0f + 352.0f; }
inline float cellCentreY(int row) { return 75.0f + row * 720.0f + 360.0f; }

class GameTest : public ::testing::Test {
protected:
    GameTest() { host.watchedBoard = &game.board(); }

    void setBoard(const Lines& rows) { game.board() = boardFromRows(rows); }
    void press(int row, int column) { game.dest_MouseDown(1, 0, cellCentreX(column), cellCentreY(row)); }
    // To look at the next action alone.
    void forgetHostHistory() { host = FakeHost{}, host.watchedBoard = &game.board(); }

    FakeHost host;
    ScriptedGenerator generator;
    FixedClock clock{37, 11};
    RandomSource random{generator, clock};
    Game game{host, random};
};

}  // namespace pelmora::test_support
