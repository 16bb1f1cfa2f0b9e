// Presses on the board, growing a selection, removing it, and settling.
#include <gtest/gtest.h>

#include <array>
#include <optional>

#include "game/Geometry.h"
#include "game/Settling.h"
#include "tests/rules/GameTest.h"

namespace pelmora::test_support {

TEST(PressTest, GridBoundariesMatchTheDrawnTiles) {
    struct Aim { float x, y; std::optional<Cell> reached; };
    constexpr float kRow3 = 2595, kColumn6 = 4612;
    const Aim aims[] = {{29.9f, kRow3, {}},           {30, kRow3, Cell{3, 0}},
                        {734.9f, kRow3, Cell{3, 0}},  {735, kRow3, Cell{3, 1}},
                        {9194.9f, kRow3, Cell{3, 12}}, {9195, kRow3, {}},
                        {kColumn6, 74.9f, {}},        {kColumn6, 75, Cell{0, 6}},
                        {kColumn6, 794.9f, Cell{0, 6}}, {kColumn6, 795, Cell{1, 6}},
                        {kColumn6, 5114.9f, Cell{6, 6}}, {kColumn6, 5115, {}}};
    for (const Aim& aim : aims) EXPECT_EQ(cellAtPress(aim.x, aim.y), aim.reached) << aim.x << ", " << aim.y;
}

using BoardTest = GameTest;

TEST_F(BoardTest, AnyButtonAndModifierSelectAfterClearingTheLastSelection) {
    // Two green pairs, pressed in turn at (2,8) and (5,8).
    Board board = filled('b');
    board.at(2, 8) = board.at(2, 9) = board.at(5, 8) = board.at(5, 9) = 'g';
    start(board);
    for (const auto& [button, shift, row] : {std::array<std::int16_t, 3>{1, 0, 2}, {2, 1, 5}, {4, 7, 2}}) {
        game->dest_MouseDown(button, shift, middleOfCell(row, 8).x, middleOfCell(row, 8).y);
        EXPECT_EQ(countOf(game->board(), "G"), 2) << "button " << button << " shift " << shift;
        EXPECT_EQ(game->board().at(row, 8), 'G') << "button " << button << " shift " << shift;
    }
}

TEST_F(BoardTest, NeighboursNeverWrapFromOneRowToTheNext) {
    // (1,0) and (0,12) follow one another in row order but do not touch.
    Board board = filled('X');
    board.at(1, 0) = board.at(0, 12) = 'g';
    start(board);
    press(1, 0);
    EXPECT_EQ(countOf(game->board(), "G"), 0);
    press(0, 12);
    EXPECT_EQ(countOf(game->board(), "G"), 0);
}

TEST_F(BoardTest, PressOnASelectedBoxRemovesItsGroupThenSelectsTheGroupThatFellIntoTheCell) {
    Board board = filled('g');
    board.at(4, 2) = board.at(5, 3) = board.at(6, 3) = 'r';
    board.at(5, 2) = board.at(6, 2) = 'B';
    start(board);
    press(6, 2);  // the red (4,2) drops onto (6,2), beside the red pair
    EXPECT_EQ(game->points(), 2000);
    EXPECT_EQ(host.log, (Lines{"sound /opt/pelmora/clearbox.wav", "paint"}));
    EXPECT_EQ(countOf(game->board(), "R"), 3);
    EXPECT_EQ(game->board().at(6, 2), 'R');
    EXPECT_EQ(game->board().at(5, 3), 'R');
    EXPECT_EQ(game->texts().SelPts, "4500");
}

// 14 yellow cells climbing from (6,12) to (0,5), on a blue board.
constexpr Cell kStairs[] = {{6, 12}, {6, 11}, {5, 11}, {5, 10}, {4, 10}, {4, 9}, {3, 9},
                            {3, 8},  {2, 8},  {2, 7},  {1, 7},  {1, 6},  {0, 6}, {0, 5}};

// The pressed cell's row and column, how many stairs that selects, and their value.
class SelectionTest : public GameTest, public testing::WithParamInterface<std::tuple<int, int, int, int>> {};

TEST_P(SelectionTest, SixPassesReachOnlyPartOfALongStaircase) {
    Board board = filled('b');
    for (const Cell& stair : kStairs) board.at(stair.row, stair.column) = 'y';
    start(board);
    const auto [row, column, selected, value] = GetParam();
    press(row, column);
    // The stairs selected are those nearest the pressed end of the staircase.
    const bool fromTop = Cell{row, column} == kStairs[13];
    for (int i = 0; i < 14; ++i) {
        const char expected = (fromTop ? 13 - i : i) < selected ? 'Y' : 'y';
        EXPECT_EQ(game->board().at(kStairs[i].row, kStairs[i].column), expected) << "stair " << i;
    }
    EXPECT_EQ(game->texts().SelPts, std::to_string(value));
}

INSTANTIATE_TEST_SUITE_P(Staircase, SelectionTest,
                         testing::Values(std::tuple{6, 12, 7, 24500}, std::tuple{0, 5, 14, 98000},
                                         std::tuple{3, 9, 13, 84500}),
                         [](const auto& info) { return "PressedAt" + std::to_string(std::get<0>(info.param)) + "_" +
                                                       std::to_string(std::get<1>(info.param)); });

// Full columns d, e, f, ... unless another board is given, with one column
// replaced by `cells`, top first.
Board withColumn(int column, const std::string& cells, Board board = columnsBoard("defghijklmnop")) {
    for (int row = 0; row < kRows; ++row) board.at(row, column) = cells.at(row);
    return board;
}

TEST(SettlingTest, EachFallingPassDropsBoxesToTheBottomOfTheirGap) {
    Board board = withColumn(12, "abXcXXX");
    for (const char* after : {"aXbXXXc", "XaXXXbc", "XXXXabc", "XXXXabc"}) {
        DropBoxes(board);
        EXPECT_EQ(board, withColumn(12, after));
    }
}

TEST(SettlingTest, EachColumnPassClosesARunOfEmptyColumnsByOne) {
    Board board = columnsBoard("aXXdefghijklm");
    for (const char* after : {"aXdefghijklmX", "adefghijklmXX", "adefghijklmXX"}) {
        CloseEmptyColumns(board);
        EXPECT_EQ(board, columnsBoard(after));
    }
}

TEST_F(BoardTest, RemovalScoresRelabelsAndPlaysTheClearSoundAfterOnePassOfEach) {
    start(Position{withColumn(3, "ggrrrRR", filled('b')), 1, -15000, 1});
    press(6, 3);
    EXPECT_EQ(game->board(), withColumn(3, "ggrrXXr", filled('b')));  // one pass of each
    EXPECT_EQ(host.log, (Lines{"sound /opt/pelmora/clearbox.wav", "paint"}));
    EXPECT_EQ(host.boardAtSound, game->board());                       // after the passes
    EXPECT_EQ(game->texts().Pts, "-13000");
    EXPECT_EQ(game->texts().SelPts, "");
    EXPECT_EQ(labelCounts(), (Lines{"89", "3", "84", "2", "0"}));
}

TEST_F(BoardTest, AColumnEmptiedByARemovalClosesAtOnceAndTheNextWaitsForATick) {
    start(columnsBoard("abcdYYghijklm"));
    press(3, 4);
    EXPECT_EQ(game->points(), 98000);
    EXPECT_EQ(game->board(), columnsBoard("abcdXghijklmX"));
    game->Timer1_Timer();
    EXPECT_EQ(game->board(), columnsBoard("abcdghijklmXX"));
}

// Its selected boxes counted as play counted them before they were selected.
TEST_F(BoardTest, APositionShowsWhatPlayWouldHaveLeftThere) {
    Board board = filled('b');
    board.at(0, 0) = board.at(0, 1) = 'G';
    start(board);
    EXPECT_EQ(labelCounts(), (Lines{"91", "0", "89", "2", "0"}));
    EXPECT_EQ(game->texts().SelPts, "2000");
    start(filled('b'));
    EXPECT_EQ(game->texts().SelPts, "");
}

TEST_F(BoardTest, TheWindowIsToldOnceAHandlerHasChangedTextsAndOnlyThen) {
    Board board = filled('b');
    board.at(0, 0) = board.at(0, 1) = 'g';
    start(board);
    press(0, 0);
    ASSERT_EQ(host.reported.size(), 1u);  // the position's texts and the selection, together
    EXPECT_EQ(host.reported.back().SelPts, "2000");
    EXPECT_EQ(host.reported.back().Label8, "89");
    game->Timer1_Timer();
    ASSERT_EQ(host.reported.size(), 2u);
    EXPECT_EQ(host.reported.back(), game->texts());
    game->Timer1_Timer();                // the same Reset cost, nothing moved
    game->dest_MouseDown(1, 0, 10, 10);  // off the grid: a redraw only
    EXPECT_EQ(host.reported.size(), 2u);
}

}  // namespace pelmora::test_support
