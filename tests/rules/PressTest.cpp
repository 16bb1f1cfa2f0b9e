// Presses on the board: which cell a position reaches, and what a press does
// with the cell it reaches.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "tests/rules/GameFixture.h"

namespace pelmora::test_support {
namespace {

struct Aim {
    float x, y;
    std::optional<Cell> reached;
    Cell partner;  // next to `reached` along the boundary probed, and after it in row order
};

class PressGridTest : public GameTest, public ::testing::WithParamInterface<Aim> {};

TEST_P(PressGridTest, ReachesTheTileDrawnUnderThePress) {
    const Aim& aim = GetParam();
    if (aim.reached) {
        // Only the reached cell and its partner hold boxes: a press that
        // reaches any other cell selects nothing.
        game.board() = filledBoard('X');
        game.board().at(aim.reached->row, aim.reached->column) = 'g';
        game.board().at(aim.partner.row, aim.partner.column) = 'g';
    } else {
        game.board() = filledBoard('g');  // a press on any cell would select
    }
    const Board before = game.board();

    game.dest_MouseDown(1, 0, aim.x, aim.y);

    if (aim.reached) {
        EXPECT_EQ(selectedCells(game.board()), (std::vector<Cell>{*aim.reached, aim.partner}));
    } else {
        EXPECT_EQ(game.board(), before);
    }
    EXPECT_EQ(host.paints, 1);
}

// Column boundaries on row 3, row boundaries on column 6.
constexpr float kRow3 = 2595, kColumn6 = 4612;
INSTANTIATE_TEST_SUITE_P(Boundaries, PressGridTest,
                         ::testing::Values(Aim{29.9f, kRow3, std::nullopt, {}},
                                           Aim{30, kRow3, Cell{3, 0}, {4, 0}},
                                           Aim{734.9f, kRow3, Cell{3, 0}, {4, 0}},
                                           Aim{735, kRow3, Cell{3, 1}, {4, 1}},
                                           Aim{9194.9f, kRow3, Cell{3, 12}, {4, 12}},
                                           Aim{9195, kRow3, std::nullopt, {}},
                                           Aim{kColumn6, 74.9f, std::nullopt, {}},
                                           Aim{kColumn6, 75, Cell{0, 6}, {0, 7}},
                                           Aim{kColumn6, 794.9f, Cell{0, 6}, {0, 7}},
                                           Aim{kColumn6, 795, Cell{1, 6}, {1, 7}},
                                           Aim{kColumn6, 5114.9f, Cell{6, 6}, {6, 7}},
                                           Aim{kColumn6, 5115, std::nullopt, {}}));

class PressTest : public GameTest {
protected:
    // Lone boxes everywhere but a selected yellow pair at (3,5)-(3,6).
    void selectAPair() {
        game.board() = loneBoxesBoard();
        game.board().at(3, 5) = game.board().at(3, 6) = 'y';
        press(3, 5);
        ASSERT_EQ(selectedCells(game.board()).size(), 2u);
        forgetHostHistory();
    }
};

TEST_F(PressTest, EveryButtonAndModifierActsAlike) {
    for (std::int16_t button : {1, 2, 4}) {
        for (std::int16_t shift : {0, 1, 2, 4, 7}) {
            game.board() = loneBoxesBoard();
            game.board().at(2, 8) = game.board().at(2, 9) = 'g';
            game.dest_MouseDown(button, shift, cellCentreX(8), cellCentreY(2));
            EXPECT_EQ(selectedCells(game.board()).size(), 2u) << "button " << button << " shift " << shift;
        }
    }
}

TEST_F(PressTest, EmptyCellOrNoCellKeepsTheSelection) {
    selectAPair();
    game.board().at(0, 0) = 'X';
    const Board selected = game.board();
    press(0, 0);
    game.dest_MouseDown(1, 0, 9300, 2595);
    EXPECT_EQ(game.board(), selected);
    EXPECT_EQ(host.paints, 2);
}

TEST_F(PressTest, LoneBoxClearsTheSelectionButNotItsShownValue) {
    selectAPair();
    press(0, 0);
    EXPECT_TRUE(selectedCells(game.board()).empty());
    EXPECT_EQ(game.texts().SelPts, "2000");
    EXPECT_EQ(game.selValue(), 2000);
    EXPECT_EQ(host.paints, 1);
}

TEST_F(PressTest, NeighboursCountOnAllFourSidesButOnlyOnTheBoard) {
    game.board() = filledBoard('X');
    // These would be neighbours if rows ran on into one another.
    game.board().at(1, 0) = game.board().at(0, 12) = 'g';
    game.board().at(6, 0) = game.board().at(5, 12) = 'r';
    for (const Cell cell : {Cell{1, 0}, Cell{0, 12}, Cell{6, 0}, Cell{5, 12}}) {
        press(cell.row, cell.column);
        EXPECT_TRUE(selectedCells(game.board()).empty()) << ::testing::PrintToString(cell);
    }
    // Pressed cell, and its one neighbour: above, left, below, right.
    const std::vector<std::pair<Cell, Cell>> pairs = {
        {{1, 5}, {0, 5}}, {{3, 1}, {3, 0}}, {{4, 8}, {5, 8}}, {{2, 9}, {2, 10}}};
    for (const auto& [pressed, neighbour] : pairs)
        game.board().at(pressed.row, pressed.column) = game.board().at(neighbour.row, neighbour.column) = 'b';
    for (const auto& [pressed, neighbour] : pairs) {
        press(pressed.row, pressed.column);
        const auto selected = selectedCells(game.board());
        EXPECT_EQ(selected.size(), 2u) << ::testing::PrintToString(pressed);
        EXPECT_NE(std::find(selected.begin(), selected.end(), neighbour), selected.end());
    }
}

TEST_F(PressTest, SelectedBoxRemovesTheGroupThenSelectsTheGroupThatLandsInTheCell) {
    setBoard({"bgrybgrybgryb", "rybgrybgrybgr", "bgrybgrybgryb", "rybgrybgrybgr",
              "bgrybgrybgryb",    // (4,2) falls onto the removed pair
              "rybrgybgrybgr",    // beside a red pair
              "bgbrbgrybgryb"});
    game.board().at(5, 2) = game.board().at(6, 2) = 'B';
    game.UpdateSelectionValue();

    press(6, 2);

    EXPECT_EQ(game.points(), 2000);
    EXPECT_EQ(host.sounds.size(), 1u);
    EXPECT_EQ(selectedCells(game.board()), (std::vector<Cell>{{5, 3}, {6, 2}, {6, 3}}));
    EXPECT_EQ(game.texts().SelPts, "4500");
    EXPECT_EQ(host.log.back(), "paint");
    EXPECT_EQ(host.paints, 1);
}

}  // namespace
}  // namespace pelmora::test_support
