// Growing a selection by six passes, its value, and clearing it.
#include <gtest/gtest.h>

#include "game/Selection.h"
#include "tests/rules/GameFixture.h"

namespace pelmora::test_support {
namespace {

// 14 yellow cells climbing from (6,12) to (0,5); no other yellow anywhere.
const Lines kStaircase = {"bgrbgyyrbgrbg", "grbgrbyygrbgr", "rbgrbgryybgrb", "bgrbgrbgyyrbg",
                          "grbgrbgrbyygr", "rbgrbgrbgryyb", "bgrbgrbgrbgyy"};

struct StairPress {
    Cell pressed;
    Lines selected;
    std::string value;
};

class StaircaseTest : public GameTest, public ::testing::WithParamInterface<StairPress> {};

TEST_P(StaircaseTest, SixPassesReachOnlyPartOfALongStaircase) {
    setBoard(kStaircase);
    press(GetParam().pressed.row, GetParam().pressed.column);
    EXPECT_EQ(rowsOf(game.board()), GetParam().selected);
    EXPECT_EQ(game.texts().SelPts, GetParam().value);
    EXPECT_EQ(std::to_string(game.selValue()), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    PressedCells, StaircaseTest,
    ::testing::Values(
        StairPress{{6, 12},
                   {"bgrbgyyrbgrbg", "grbgrbyygrbgr", "rbgrbgryybgrb", "bgrbgrbgyYrbg",
                    "grbgrbgrbYYgr", "rbgrbgrbgrYYb", "bgrbgrbgrbgYY"},
                   "24500"},
        StairPress{{0, 5},
                   {"bgrbgYYrbgrbg", "grbgrbYYgrbgr", "rbgrbgrYYbgrb", "bgrbgrbgYYrbg",
                    "grbgrbgrbYYgr", "rbgrbgrbgrYYb", "bgrbgrbgrbgYY"},
                   "98000"},
        StairPress{{3, 9},
                   {"bgrbgyYrbgrbg", "grbgrbYYgrbgr", "rbgrbgrYYbgrb", "bgrbgrbgYYrbg",
                    "grbgrbgrbYYgr", "rbgrbgrbgrYYb", "bgrbgrbgrbgYY"},
                   "84500"}));

class GroupTest : public GameTest {
protected:
    void selectFrom(int row, int column) {
        game.board().at(row, column) = selectedFormOf(game.board().at(row, column));
        game.SelectGroup();
    }
};

TEST_F(GroupTest, FullRowIsSelectedFromAnyOfItsCells) {
    for (int column : {0, 6, 12}) {
        setBoard({"bgrybgrybgryb", "rybgrybgrybgr", "brybrybrybryb", "ggggggggggggg",
                  "brybrybrybryb", "rybgrybgrybgr", "bgrybgrybgryb"});
        selectFrom(3, column);
        EXPECT_EQ(rowsOf(game.board())[3], "GGGGGGGGGGGGG") << "from column " << column;
        EXPECT_EQ(game.selValue(), 84500);
    }
}

TEST_F(GroupTest, PairIsWorthTwoThousand) {
    game.board() = loneBoxesBoard();
    game.board().at(3, 5) = game.board().at(3, 6) = 'y';
    press(3, 6);
    EXPECT_EQ(selectedCells(game.board()), (std::vector<Cell>{{3, 5}, {3, 6}}));
    EXPECT_EQ(game.texts().SelPts, "2000");
    EXPECT_EQ(game.selValue(), 2000);
}

TEST_F(GroupTest, GrowthStopsAtGapsOtherColoursAndCorners) {
    const Lines before = {"XXXXXXXXXXXXX", "XggrgXXXXXXXX", "XXgXXXXXXXXXX", "XgXgXXXXXXXXX",
                          "XXgXXXXXXXXXX", "XXXXXXXXXXXXX", "XXXXXXXXXXXXX"};
    setBoard(before);
    selectFrom(1, 1);
    Lines expected = before;
    expected[1] = "XGGrgXXXXXXXX";  // red stops it
    expected[2] = "XXGXXXXXXXXXX";  // (3,1) and (3,3) touch only at corners, (4,2) lies past a gap
    EXPECT_EQ(rowsOf(game.board()), expected);
    EXPECT_EQ(game.selValue(), 4500);
}

TEST(SpreadWalks, StopAtSelectedCellsAndNeverTouchTheStartCell) {
    Board board = filledBoard('y');
    board.at(0, 4) = 'Y';
    SpreadRight(board, 0, 0, 'y', 'Y');
    EXPECT_EQ(rowsOf(board)[0], "yYYYYyyyyyyyy");
}

// A walk that runs off the end of a row must not go on into the next.
TEST(SpreadWalks, EndAtTheEdgeOfTheBoard) {
    Board right = filledBoard('y'), left = filledBoard('y'), vertical = filledBoard('y');
    SpreadRight(right, 0, 0, 'y', 'Y');
    SpreadLeft(left, 1, 12, 'y', 'Y');
    SpreadUp(vertical, 6, 3, 'y', 'Y');
    SpreadDown(vertical, 0, 12, 'y', 'Y');
    EXPECT_EQ(selectedCells(right).size(), 12u);
    EXPECT_EQ(right.at(1, 0), 'y');
    EXPECT_EQ(selectedCells(left).size(), 12u);
    EXPECT_EQ(left.at(0, 12), 'y');
    EXPECT_EQ(columnsOf(vertical)[3], "YYYYYYy");
    EXPECT_EQ(columnsOf(vertical)[12], "yYYYYYY");
    EXPECT_EQ(selectedCells(vertical).size(), 12u);
}

TEST_F(GroupTest, ClearingRestoresTheBoxesButKeepsTheShownValue) {
    game.board() = loneBoxesBoard();
    game.board().at(3, 5) = game.board().at(3, 6) = 'y';
    const Board unselected = game.board();
    press(3, 5);
    ASSERT_EQ(selectedCells(game.board()).size(), 2u);

    game.ClearSelection();
    EXPECT_EQ(game.board(), unselected);
    EXPECT_EQ(game.texts().SelPts, "2000");
    EXPECT_EQ(game.selValue(), 2000);
    game.ClearSelection();
    EXPECT_EQ(game.board(), unselected);
}

}  // namespace
}  // namespace pelmora::test_support
