// Removal and scoring, and the two settling passes run by removals and ticks.
#include <gtest/gtest.h>

#include <random>

#include "game/Settling.h"
#include "tests/rules/GameFixture.h"

namespace pelmora::test_support {
namespace {

// Thirteen full columns, each different from its neighbours.
Lines fullColumns() {
    return {"bgrybgr", "rybgryb", "gbyrgby", "ybgrybg", "brgybrg", "grbygrb", "yrgbyrg",
            "bygrbyg", "rgbyrgb", "gyrbgyr", "ygbrygb", "brygbry", "rbygrby"};
}

Board withColumn(int column, const std::string& cells) {
    Lines columns = fullColumns();
    columns[column] = cells;
    return boardFromColumns(columns);
}

// The columns after one closing pass that removes column `closed`.
Lines closedUp(Lines columns, int closed) {
    columns.erase(columns.begin() + closed);
    columns.push_back("XXXXXXX");
    return columns;
}

TEST(DropBoxesPass, EachBoxOverAGapFallsToTheBottomOfThatGap) {
    Board board = withColumn(2, "rgXbXXX");
    for (const char* after : {"rXgXXXb", "XrXXXgb", "XXXXrgb", "XXXXrgb"}) {
        DropBoxes(board);
        EXPECT_EQ(board, withColumn(2, after));
    }
}

TEST(CloseEmptyColumnsPass, EachPassClosesOneColumnWidth) {
    Lines columns = fullColumns();
    columns[1] = columns[2] = "XXXXXXX";
    columns[3] = "XXXXXXr";  // one box keeps a column open
    Board board = boardFromColumns(columns);
    const Lines once = closedUp(columns, 1), twice = closedUp(once, 1);
    for (const Lines& after : {once, twice, twice}) {
        CloseEmptyColumns(board);
        EXPECT_EQ(columnsOf(board), after);
    }
}

class RemovalTest : public GameTest {
protected:
    // Seeds a selection as SelectGroup would leave it.
    void select(const std::vector<Cell>& cells) {
        for (const Cell& cell : cells) {
            char& code = game.board().at(cell.row, cell.column);
            code = selectedFormOf(code);
        }
        game.UpdateSelectionValue();
    }
    void selectColumn(int column) {
        for (int row = 0; row < kRows; ++row) game.board().at(row, column) = 'y';
        select({{0, column}, {1, column}, {2, column}, {3, column}, {4, column}, {5, column}, {6, column}});
    }
};

TEST_F(RemovalTest, ScoresAndPlaysTheClearSoundAfterOnePassOfEachLeavingTheRestToTicks) {
    game.board() = withColumn(3, "ybgrgrr");
    select({{5, 3}, {6, 3}});
    game.RemoveSelection();

    EXPECT_EQ(game.board(), withColumn(3, "ybgrXXg"));  // the box above dropped two rows
    EXPECT_EQ(game.points(), 2000);
    EXPECT_EQ(game.texts().Pts, "2000");
    EXPECT_EQ(game.texts().SelPts, "");
    EXPECT_EQ(game.selValue(), 2000);
    EXPECT_EQ(game.texts().Label4, "89");
    EXPECT_EQ(game.texts().Label6, std::to_string(countOf(game.board(), 'r')));
    EXPECT_EQ(host.sounds, std::vector<std::string>{"/opt/pelmora/clearbox.wav"});
    EXPECT_EQ(host.boardsWhenSoundPlayed.at(0), game.board());
    EXPECT_EQ(host.paints, 0);

    // One box lands per tick, the lowest first.
    for (const char* column : {"ybgXXrg", "ybXXgrg", "yXXbgrg", "XXybgrg", "XXybgrg"}) {
        game.Timer1_Timer();
        EXPECT_EQ(game.board(), withColumn(3, column));
    }
}

TEST_F(RemovalTest, AnEmptiedColumnClosesAtOnceExceptTheLast) {
    game.board() = boardFromColumns(fullColumns());
    selectColumn(4);
    game.RemoveSelection();
    EXPECT_EQ(columnsOf(game.board()), closedUp(fullColumns(), 4));
    EXPECT_EQ(game.points(), 24500);

    game.board() = boardFromColumns(fullColumns());
    selectColumn(12);
    game.RemoveSelection();
    EXPECT_EQ(columnsOf(game.board()), closedUp(fullColumns(), 12));
}

TEST_F(RemovalTest, TwoEmptiedColumnsLeaveOneGapForTheNextTick) {
    game.board() = boardFromColumns(fullColumns());
    selectColumn(4);
    selectColumn(5);
    EXPECT_EQ(game.selValue(), 98000);
    game.RemoveSelection();
    Lines expected = closedUp(fullColumns(), 5);
    expected[4] = "XXXXXXX";
    EXPECT_EQ(columnsOf(game.board()), expected);
    game.Timer1_Timer();
    EXPECT_EQ(columnsOf(game.board()), closedUp(expected, 4));
}

// No box over an empty cell, and empty columns only on the right.
bool isSettledBoard(const Board& board) {
    bool emptyColumnSeen = false;
    for (const std::string& column : columnsOf(board)) {
        const auto firstBox = column.find_first_not_of('X');
        if (firstBox == std::string::npos) {
            emptyColumnSeen = true;
        } else if (emptyColumnSeen || column.find('X', firstBox) != std::string::npos) {
            return false;
        }
    }
    return true;
}

using SettlingProperty = GameTest;

TEST_F(SettlingProperty, TwentyTicksSettleAnyBoardAndKeepEveryBox) {
    std::mt19937 random(7);
    for (int trial = 0; trial < 300; ++trial) {
        Board board;
        for (int column = 0; column < kColumns; ++column) {
            const bool emptyColumn = random() % 4 == 0;
            for (int row = 0; row < kRows; ++row)
                board.at(row, column) = emptyColumn || random() % 3 == 0 ? 'X' : "bgryBGRY"[random() % 8];
        }
        game.board() = board;
        for (int tick = 0; tick < 7 + 13; ++tick) game.Timer1_Timer();
        ASSERT_TRUE(isSettledBoard(game.board())) << ::testing::PrintToString(rowsOf(board));
        for (char code : std::string("bgryBGRY")) ASSERT_EQ(countOf(game.board(), code), countOf(board, code));
    }
}

}  // namespace
}  // namespace pelmora::test_support
