// A game wired to the fake host, a scripted generator and a stopped clock,
// picked up at whatever position a test gives it.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "game/Game.h"
#include "tests/support/Boards.h"
#include "tests/support/CellAim.h"
#include "tests/support/FakeHost.h"
#include "tests/support/Generators.h"

namespace pelmora::test_support {

using Lines = std::vector<std::string>;

class GameTest : public ::testing::Test {
protected:
    // A game that has not loaded yet.
    GameTest() {
        game.emplace(host, random);
        host.board = &game->board();  // the same place for every game the test starts
    }

    // The game picked up at `position`, or at `board` on level 1 with no
    // points and no Resets.
    void start(const Position& position) { game.emplace(host, random, position); }
    void start(const Board& board) { start(Position{board}); }

    void press(int row, int column) {
        const TwipsPoint at = middleOfCell(row, column);
        game->dest_MouseDown(1, 0, at.x, at.y);
    }
    Lines labelCounts() const {  // total, red, blue, green, yellow
        const StatusTexts& t = game->texts();
        return {t.Label4, t.Label6, t.Label8, t.Label10, t.Label12};
    }

    FakeHost host;
    ScriptedGenerator generator;
    FixedClock clock;
    RandomSource random{generator, clock};
    std::optional<Game> game;
};

}  // namespace pelmora::test_support
