// "LEVEL UP" and "Reset": thresholds, the rising Reset price, and the deal.
#include <gtest/gtest.h>

#include <random>

#include "tests/rules/GameTest.h"

namespace pelmora::test_support {

// A level, and the points needed in all to leave it.
class LevelTest : public GameTest, public testing::WithParamInterface<std::pair<int, std::int64_t>> {};

TEST_P(LevelTest, ExactlyTheThresholdLevelsUpWithTheWinSoundAndKeepsPointsAndResets) {
    const auto [level, threshold] = GetParam();
    start(Position{filled('b'), level, threshold, 2});
    game->Label3_Click();
    EXPECT_EQ(host.log, (Lines{"sound /opt/pelmora/win.wav", "paint"}));
    EXPECT_EQ(host.boardAtSound, filled('b'));  // the new board comes after the sound
    EXPECT_EQ(generator.reseeds, 546);
    EXPECT_EQ(game->texts().lvl, std::to_string(level + 1));
    EXPECT_EQ(game->texts().Pts, std::to_string(threshold));
    EXPECT_EQ(game->texts().NEXTLEVEL, "NEXT LEVEL: " + std::to_string(threshold));  // a paint behind
    EXPECT_EQ(game->resets(), 2);
}

TEST_P(LevelTest, OnePointFewerIsRefusedAndStartsANewGame) {
    const auto [level, threshold] = GetParam();
    Board board = filled('b');
    board.at(0, 0) = board.at(0, 1) = 'G';  // a selection worth 2000
    start(Position{board, level, threshold - 1, 2});
    game->Label3_Click();
    EXPECT_EQ(host.log, (Lines{"You need more points!|Nope", "paint"}));
    EXPECT_EQ(game->texts().lvl, "1");
    EXPECT_EQ(game->texts().Pts, "0");
    EXPECT_EQ(game->resets(), 0);
    EXPECT_EQ(generator.reseeds, 546);
}

INSTANTIATE_TEST_SUITE_P(EveryTier, LevelTest,
                         testing::Values(std::pair{1, 200000}, std::pair{2, 450000}, std::pair{3, 640000},
                                         std::pair{4, 1000000}, std::pair{5, 1260000}, std::pair{6, 1715000},
                                         std::pair{7, 2240000}, std::pair{8, 2835000}, std::pair{9, 3500000}),
                         [](const auto& info) { return "Level" + std::to_string(info.param.first); });

using LevelUpTest = GameTest;

TEST_F(LevelUpTest, NextLevelCatchesUpAtTheFollowingPaint) {
    start(Position{filled('b'), 1, 3500000, 0});
    game->Label3_Click();
    EXPECT_EQ(game->texts().NEXTLEVEL, "NEXT LEVEL: 200000");
    game->Timer1_Timer();
    EXPECT_EQ(game->texts().NEXTLEVEL, "NEXT LEVEL: 450000");
}

TEST_F(LevelUpTest, FromLevelTenTheLabelDoesNothing) {
    start(Position{filled('b'), 9, 3500000, 3});
    game->Label3_Click();
    game->Timer1_Timer();
    const Board board = game->board();
    const StatusTexts texts = game->texts();
    host.log.clear();
    game->Label3_Click();
    EXPECT_EQ(texts.lvl, "10");
    EXPECT_EQ(texts.NEXTLEVEL, "NEXT LEVEL: 3500000");
    EXPECT_EQ(game->board(), board);
    EXPECT_EQ(game->texts(), texts);
    EXPECT_TRUE(host.log.empty());
}

using ResetTest = GameTest;

TEST_F(ResetTest, CostStartsAtFifteenThousandAndRisesByTwentyThousand) {
    start(filled('b'));
    game->Timer1_Timer();
    EXPECT_EQ(game->texts().Nmmc, "15000");
    for (const auto& [points, cost] : {std::pair{"-15000", "35000"}, {"-50000", "55000"}, {"-105000", "75000"}}) {
        host.log.clear();
        game->mnuFileNew_Click();
        EXPECT_EQ(game->texts().Pts, points);
        EXPECT_TRUE(host.log.empty());  // no sound, no paint
        game->Timer1_Timer();
        EXPECT_EQ(game->texts().Nmmc, cost);
    }
    EXPECT_EQ(generator.reseeds, 3 * 91);
}

TEST_F(ResetTest, ARefusedLevelUpStartsTheCostAgain) {
    start(Position{filled('b'), 1, 0, 3});
    game->Label3_Click();  // refused
    game->mnuFileNew_Click();
    EXPECT_EQ(game->texts().Pts, "-15000");
}

TEST_F(ResetTest, AGrantedLevelUpKeepsTheCostRising) {
    start(Position{filled('b'), 1, 200000, 1});
    game->Label3_Click();
    game->mnuFileNew_Click();
    EXPECT_EQ(game->texts().Pts, "165000");
}

class ColourOrderTest : public ResetTest, public testing::WithParamInterface<std::tuple<int, int>> {};

TEST_P(ColourOrderTest, DealtCellTakesTheFirstColourOfItsOrderLeftInThePool) {
    const char* const orders[] = {"yrbg", "gyrb", "bgyr", "rbgy"};
    const auto [k, spent] = GetParam();
    // The pool: one box of each colour not spent, on the bottom row.
    Board board = filled('X');
    const std::string pool = std::string(orders[k]).substr(spent);
    for (std::size_t i = 0; i < pool.size(); ++i) board.at(6, 9 + static_cast<int>(i)) = pool[i];
    start(board);
    generator.queue(3 * k + 2, 31);  // 3k to 3k + 2 give k
    generator.queue(30, 31, kCells - 1);  // k = 10: the other cells keep their codes
    game->mnuFileNew_Click();
    EXPECT_EQ(game->board().at(0, 0), orders[k][spent]);
}

INSTANTIATE_TEST_SUITE_P(EveryOrder, ColourOrderTest, testing::Combine(testing::Range(0, 4), testing::Range(0, 4)),
                         [](const auto& info) {
                             return std::string("K").append(std::to_string(std::get<0>(info.param)))
                                 .append("WithColoursSpent").append(std::to_string(std::get<1>(info.param)));
                         });

TEST_F(ResetTest, DrawsFromTwelveUpKeepTheCell) {
    Board board = filled('b');
    board.at(0, 0) = 'X';
    start(board);
    generator.queue(12, 31, kCells);
    game->mnuFileNew_Click();
    EXPECT_EQ(game->board().at(0, 0), 'X');
}

TEST_F(ResetTest, SelectedBoxesArePooledAndASpentPoolEmptiesTheLaterCells) {
    Board board = filled('X');
    board.at(6, 5) = board.at(6, 6) = 'Y';
    start(board);
    generator.queue(0, 31, kCells);  // k = 0 everywhere
    game->mnuFileNew_Click();
    Board expected = filled('X');
    expected.at(0, 0) = expected.at(0, 1) = 'y';
    EXPECT_EQ(game->board(), expected);
    EXPECT_EQ(labelCounts(), (Lines{"2", "0", "0", "0", "2"}));
    EXPECT_EQ(game->texts().SelPts, "2000");
    EXPECT_TRUE(generator.script.empty());  // 91 draws, also for the cells left empty
}

TEST_F(ResetTest, NeverLeavesFewerBoxes) {
    std::mt19937 random(11);
    for (int trial = 0; trial < 300; ++trial) {
        const unsigned holes = random() % 5;  // from no holes to an empty board
        Board board;
        for (char& cell : board.cells()) cell = random() % 4 < holes ? 'X' : "bgryBGRY"[random() % 8];
        start(board);
        const int boxes = kCells - countOf(board, "X");
        game->mnuFileNew_Click();
        const int after = kCells - countOf(game->board(), "X");
        ASSERT_GE(after, boxes);
        ASSERT_EQ(countOf(game->board(), "BGRY"), 0);
        ASSERT_EQ(game->texts().Label4, std::to_string(after));
    }
}

}  // namespace pelmora::test_support
