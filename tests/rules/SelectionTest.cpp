// Which boxes a press selects: neighbours across every edge of the board,
// and the selection compared with a plain row-by-row reading of the rule.
#include <gtest/gtest.h>

#include <random>

#include "game/Selection.h"
#include "tests/rules/GameTest.h"

namespace pelmora::test_support {
namespace {

// Red and yellow in a checkerboard: no box has a same-coloured neighbour.
Board checkerboard() {
    Board board;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) board.at(row, column) = "ry"[(row + column) % 2];
    return board;
}

// The rule as written: six whole passes, rows outside and columns inside,
// each selected cell walking up, down, right and left in turn.
void sixPassesRowByRow(Board& board) {
    for (int pass = 0; pass < 6; ++pass)
        for (int row = 0; row < 7; ++row)
            for (int column = 0; column < 13; ++column) {
                const char selected = board.at(row, column);
                if (selected < 'A' || selected > 'Z' || selected == 'X') continue;
                const char match = static_cast<char>(selected + ('a' - 'A'));
                for (const auto& [rowStep, columnStep] : {std::pair{-1, 0}, {1, 0}, {0, 1}, {0, -1}})
                    for (int r = row + rowStep, c = column + columnStep;
                         r >= 0 && r < 7 && c >= 0 && c < 13 && board.at(r, c) == match;
                         r += rowStep, c += columnStep)
                        board.at(r, c) = selected;
            }
}

}  // namespace

// A pressed box and its one same-coloured neighbour, which lies across the
// edge of the board's inner part in the direction named.
struct EdgePair {
    const char* direction;
    Cell pressed, neighbour;
};

class EdgeTest : public GameTest, public testing::WithParamInterface<EdgePair> {};

TEST_P(EdgeTest, APairWhoseOnlyNeighbourLiesAcrossTheEdgeIsSelected) {
    const EdgePair pair = GetParam();
    Board board = checkerboard();
    board.at(pair.pressed.row, pair.pressed.column) = board.at(pair.neighbour.row, pair.neighbour.column) = 'g';
    start(board);
    press(pair.pressed.row, pair.pressed.column);
    EXPECT_EQ(countOf(game->board(), "G"), 2);
    EXPECT_EQ(game->board().at(pair.neighbour.row, pair.neighbour.column), 'G');
}

INSTANTIATE_TEST_SUITE_P(EveryEdge, EdgeTest,
                         testing::Values(EdgePair{"UpFromRow1", {1, 6}, {0, 6}},
                                         EdgePair{"DownFromRow0", {0, 6}, {1, 6}},
                                         EdgePair{"DownFromRow5", {5, 6}, {6, 6}},
                                         EdgePair{"UpFromRow6", {6, 6}, {5, 6}},
                                         EdgePair{"LeftFromColumn1", {3, 1}, {3, 0}},
                                         EdgePair{"RightFromColumn0", {3, 0}, {3, 1}},
                                         EdgePair{"RightFromColumn11", {3, 11}, {3, 12}},
                                         EdgePair{"LeftFromColumn12", {3, 12}, {3, 11}},
                                         EdgePair{"UpFromTheBottomRightCorner", {6, 12}, {5, 12}},
                                         EdgePair{"LeftFromTheBottomRightCorner", {6, 12}, {6, 11}}),
                         [](const auto& info) { return std::string(info.param.direction); });

// Boards of two or three colours grow long winding groups, where the order
// of the visits decides how far six passes reach (about one board in 800
// with four colours).
TEST(SelectionOrderTest, GrowsExactlyAsSixRowByRowPassesWould) {
    std::mt19937 random(2024);
    int differentFromAFloodFill = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        const int colours = 2 + static_cast<int>(random() % 2);
        Board board;
        for (char& cell : board.cells()) cell = "bgry"[random() % colours];
        const int seed = static_cast<int>(random() % kCells);
        board.cells()[seed] = selectedFormOf(board.cells()[seed]);
        Board expected = board;
        sixPassesRowByRow(expected);
        growSelection(board);
        ASSERT_EQ(board, expected) << "trial " << trial;
        if (trial % 10 != 0) continue;
        Board flooded = expected;
        for (int more = 0; more < 20; ++more) sixPassesRowByRow(flooded);
        differentFromAFloodFill += flooded != expected;
    }
    EXPECT_GT(differentFromAFloodFill, 20);  // the boards do test the pass limit
}

}  // namespace pelmora::test_support
