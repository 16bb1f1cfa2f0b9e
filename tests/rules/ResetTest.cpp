// "Reset": its rising price and the deal of the boxes on the board.
#include <gtest/gtest.h>

#include <random>

#include "tests/rules/GameFixture.h"

namespace pelmora::test_support {
namespace {

class ResetTest : public GameTest {
protected:
    void SetUp() override { game.board() = loneBoxesBoard(); }
    // The first cell draws `first`; every later cell draws 30 (k = 10) and keeps its code.
    void scriptDraws(int first) {
        generator.queueWholeNumbers({first}, kResetTop);
        generator.queueWholeNumbers({30}, kResetTop, kCells - 1);
    }
    Lines countLabels() const {
        const StatusTexts& t = game.texts();
        return {t.Label4, t.Label6, t.Label8, t.Label10, t.Label12};
    }
};

TEST_F(ResetTest, CostRisesByTwentyThousandAndTheTickShowsTheNext) {
    EXPECT_EQ(game.texts().Nmmc, "");
    const Board settled = game.board();
    game.Timer1_Timer();
    EXPECT_EQ(game.texts().Nmmc, "15000");
    EXPECT_EQ(game.board(), settled);
    EXPECT_EQ(host.paints, 1);  // the tick repaints even when nothing moves
    for (const auto& [points, nextCost] : {std::pair{"-15000", "35000"}, {"-50000", "55000"}, {"-105000", "75000"}}) {
        game.mnuFileNew_Click();
        EXPECT_EQ(game.texts().Pts, points);
        EXPECT_EQ(std::to_string(game.points()), points);
        game.Timer1_Timer();
        EXPECT_EQ(game.texts().Nmmc, nextCost);
    }
}

TEST_F(ResetTest, RefusedLevelUpRestartsTheCostButALevelUpDoesNot) {
    game.restoreProgress(1, 0, 2);
    game.Timer1_Timer();
    ASSERT_EQ(game.texts().Nmmc, "55000");
    game.Label3_Click();  // refused
    game.Timer1_Timer();
    EXPECT_EQ(game.texts().Nmmc, "15000");
    game.mnuFileNew_Click();
    EXPECT_EQ(game.texts().Pts, "-15000");

    game.restoreProgress(1, 200000, 2);
    game.Label3_Click();  // level 2
    game.mnuFileNew_Click();
    EXPECT_EQ(game.texts().Pts, "145000");
}

TEST_F(ResetTest, DrawsOncePerCellAndShowsNothingItself) {
    game.mnuFileNew_Click();
    EXPECT_EQ(generator.reseeds.size(), 91u);
    EXPECT_TRUE(host.log.empty());
}

struct Deal {
    int k;
    int exhausted;  // colours at the head of k's order with none left in the pool
    char dealt;
};

class ColourOrderTest : public ResetTest, public ::testing::WithParamInterface<Deal> {};

TEST_P(ColourOrderTest, DealtCellTakesTheFirstColourOfItsOrderLeftInThePool) {
    const char* const orders[] = {"yrbg", "gyrb", "bgyr", "rbgy"};
    const auto [k, exhausted, dealt] = GetParam();
    // The pool: one box of each colour not exhausted, kept on the bottom row.
    game.board() = filledBoard('X');
    const std::string pool = std::string(orders[k]).substr(exhausted);
    for (std::size_t i = 0; i < pool.size(); ++i) game.board().at(6, 9 + static_cast<int>(i)) = pool[i];
    scriptDraws(3 * k + k % 3);  // any r with r / 3 = k

    game.mnuFileNew_Click();

    EXPECT_EQ(game.board().at(0, 0), dealt);
    EXPECT_EQ(game.texts().Label4, std::to_string(pool.size() + 1));
}

INSTANTIATE_TEST_SUITE_P(EveryOrder, ColourOrderTest,
                         ::testing::Values(Deal{0, 0, 'y'}, Deal{0, 1, 'r'}, Deal{0, 2, 'b'}, Deal{0, 3, 'g'},
                                           Deal{1, 0, 'g'}, Deal{1, 1, 'y'}, Deal{1, 2, 'r'}, Deal{1, 3, 'b'},
                                           Deal{2, 0, 'b'}, Deal{2, 1, 'g'}, Deal{2, 2, 'y'}, Deal{2, 3, 'r'},
                                           Deal{3, 0, 'r'}, Deal{3, 1, 'b'}, Deal{3, 2, 'g'}, Deal{3, 3, 'y'}));

TEST_F(ResetTest, DrawsFromTwelveUpKeepTheCell) {
    game.board().at(0, 0) = 'X';
    const Board before = game.board();
    scriptDraws(12);
    game.mnuFileNew_Click();
    EXPECT_EQ(game.board(), before);

    scriptDraws(11);  // k = 3: red first, and the pool has red
    game.mnuFileNew_Click();
    EXPECT_EQ(game.board().at(0, 0), 'r');
}

TEST_F(ResetTest, SelectedBoxesArePooledAndASpentPoolEmptiesLaterCells) {
    game.board() = filledBoard('X');
    game.board().at(6, 5) = game.board().at(6, 6) = 'Y';
    game.UpdateSelectionValue();
    generator.queueWholeNumbers({0}, kResetTop, kCells);  // k = 0 everywhere

    game.mnuFileNew_Click();

    Board expected = filledBoard('X');
    expected.at(0, 0) = expected.at(0, 1) = 'y';
    EXPECT_EQ(rowsOf(game.board()), rowsOf(expected));
    EXPECT_EQ(countLabels(), (Lines{"2", "0", "0", "0", "2"}));
    EXPECT_EQ(game.texts().SelPts, "2000");
    EXPECT_EQ(game.selValue(), 2000);
}

TEST_F(ResetTest, FullBoardStaysFullAndEmptyBoardStaysEmpty) {
    game.mnuFileNew_Click();
    EXPECT_EQ(boxCount(game.board()), 91);
    const StatusTexts& t = game.texts();
    EXPECT_EQ(t.Label4, "91");
    EXPECT_EQ(std::stoi(t.Label6) + std::stoi(t.Label8) + std::stoi(t.Label10) + std::stoi(t.Label12), 91);

    game.board() = filledBoard('X');
    game.mnuFileNew_Click();
    EXPECT_EQ(game.board(), filledBoard('X'));
    EXPECT_EQ(countLabels(), Lines(5, "0"));
    EXPECT_EQ(game.texts().Pts, "-50000");
}

TEST_F(ResetTest, NeverLeavesFewerBoxes) {
    std::mt19937 random(11);
    for (int trial = 0; trial < 300; ++trial) {
        Board board;
        const unsigned holes = random() % 5;  // from no holes to an empty board
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column)
                board.at(row, column) = random() % 4 < holes ? 'X' : "bgryBGRY"[random() % 8];
        game.board() = board;
        game.mnuFileNew_Click();
        ASSERT_GE(boxCount(game.board()), boxCount(board)) << ::testing::PrintToString(rowsOf(board));
        ASSERT_TRUE(selectedCells(game.board()).empty());
        ASSERT_EQ(game.texts().Label4, std::to_string(boxCount(game.board())));
    }
}

}  // namespace
}  // namespace pelmora::test_support
