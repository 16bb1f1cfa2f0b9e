// Dealing a new board, and the first board at load.
#include <gtest/gtest.h>

#include "tests/rules/GameFixture.h"

namespace pelmora::test_support {
namespace {

using NewBoardTest = GameTest;

void expectCountLabels(const Game& game) {
    const Board& board = game.board();
    EXPECT_EQ(game.texts().Label4, std::to_string(boxCount(board)));
    EXPECT_EQ(game.texts().Label6, std::to_string(countOf(board, 'r')));
    EXPECT_EQ(game.texts().Label8, std::to_string(countOf(board, 'b')));
    EXPECT_EQ(game.texts().Label10, std::to_string(countOf(board, 'g')));
    EXPECT_EQ(game.texts().Label12, std::to_string(countOf(board, 'y')));
}

TEST_F(NewBoardTest, UsesOnlyTheSixthOfSixDrawsPerCellInRowMajorOrder) {
    // 24 blue, 26 green, 21 red, 20 yellow: a swapped label shows.
    const Lines expected = {"bbbbbbbbbbbbb", "bgbgbgbgbgbgb", "ggggggggggggg", "rrrrrrrrrrrrr",
                            "rgyrgyrgyrgyr", "yyyyyyyyyyyyy", "ybrgybrgybrgb"};
    const std::string colours = "bgry";
    int cell = 0;
    for (const std::string& row : expected) {
        for (char colour : row) {
            const int place = static_cast<int>(colours.find(colour));
            const int decoy = (place + 1) % 4 + 1;
            // place + 1 + 4m, m cycling so that every c from 1 to 40 is dealt.
            const int sixth = place + 1 + 4 * (cell++ % 10);
            generator.queueWholeNumbers({decoy, decoy, decoy, decoy, decoy, sixth}, kNewBoardTop);
        }
    }
    game.NewBoard();

    EXPECT_EQ(rowsOf(game.board()), expected);
    EXPECT_TRUE(generator.script.empty());
    EXPECT_EQ(generator.reseeds.size(), 546u);
    expectCountLabels(game);
    EXPECT_EQ(host.paints, 1);
    EXPECT_EQ(host.lastPainted, game.board());
}

TEST_F(NewBoardTest, OverwritesASelectionButKeepsEverythingElse) {
    game.restoreProgress(4, 123000, 2);
    game.board() = filledBoard('X');
    game.board().at(3, 5) = game.board().at(3, 6) = 'R';
    game.UpdateSelectionValue();
    game.Timer1_Timer();
    const StatusTexts before = game.texts();

    game.NewBoard();

    EXPECT_EQ(boxCount(game.board()), 91);
    EXPECT_TRUE(selectedCells(game.board()).empty());
    EXPECT_EQ(game.selValue(), 2000);
    EXPECT_EQ(game.points(), 123000);
    EXPECT_EQ(game.resets(), 2);
    EXPECT_EQ(game.level(), 4);
    for (auto text : {&StatusTexts::SelPts, &StatusTexts::Pts, &StatusTexts::lvl, &StatusTexts::Nmmc})
        EXPECT_EQ(game.texts().*text, before.*text);
}

TEST_F(NewBoardTest, LoadDealsTheFirstBoardAtLevelOneWithNoPoints) {
    game.Form_Load();
    const Board& board = game.board();
    EXPECT_EQ(countOf(board, 'b') + countOf(board, 'g') + countOf(board, 'r') + countOf(board, 'y'), 91);
    EXPECT_EQ(game.texts().Label4, "91");
    expectCountLabels(game);
    EXPECT_EQ(generator.reseeds.size(), 546u);
    EXPECT_EQ(host.paints, 1);
    EXPECT_EQ(host.lastPainted, board);
    EXPECT_EQ(game.texts().lvl, "1");
    EXPECT_EQ(game.texts().Pts, "0");
    EXPECT_EQ(game.texts().Nmmc, "");
    EXPECT_EQ(game.texts().NEXTLEVEL, "NEXT LEVEL: 200000");
}

}  // namespace
}  // namespace pelmora::test_support
