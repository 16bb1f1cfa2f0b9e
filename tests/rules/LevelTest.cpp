// "LEVEL UP": thresholds, level-up, refusal and the top level.
#include <gtest/gtest.h>

#include "tests/rules/GameFixture.h"

namespace pelmora::test_support {
namespace {

using Messages = std::vector<std::pair<std::string, std::string>>;

struct Tier {
    int level;
    std::int64_t threshold;
};

class LevelThresholdTest : public GameTest, public ::testing::WithParamInterface<Tier> {
protected:
    void SetUp() override { game.board() = loneBoxesBoard(); }
};

TEST_P(LevelThresholdTest, NextLevelLabelShowsTheThreshold) {
    game.restoreProgress(GetParam().level, 0, 0);
    game.Timer1_Timer();
    EXPECT_EQ(game.texts().NEXTLEVEL, "NEXT LEVEL: " + std::to_string(GetParam().threshold));
}

TEST_P(LevelThresholdTest, ExactlyTheThresholdLevelsUpKeepingPointsAndResets) {
    const auto [level, threshold] = GetParam();
    game.restoreProgress(level, threshold, 2);
    game.Label3_Click();
    EXPECT_EQ(game.texts().lvl, std::to_string(level + 1));
    EXPECT_EQ(game.texts().Pts, std::to_string(threshold));
    EXPECT_EQ(game.resets(), 2);
    EXPECT_EQ(host.log, (Lines{"sound /opt/pelmora/win.wav", "paint"}));
    EXPECT_EQ(generator.reseeds.size(), 546u);  // a new board was dealt
}

TEST_P(LevelThresholdTest, OnePointShortStartsANewGame) {
    const auto [level, threshold] = GetParam();
    game.restoreProgress(level, threshold - 1, 2);
    game.board().at(0, 0) = game.board().at(0, 1) = 'B';
    game.UpdateSelectionValue();
    game.Label3_Click();
    EXPECT_EQ(host.messages, (Messages{{"You need more points!", "Nope"}}));
    EXPECT_EQ(host.log, (Lines{"message", "paint"}));
    EXPECT_EQ(game.texts().lvl, "1");
    EXPECT_EQ(game.texts().Pts, "0");
    EXPECT_EQ(game.texts().SelPts, "2000");
    EXPECT_EQ(game.points(), 0);
    EXPECT_EQ(game.resets(), 0);
    EXPECT_EQ(game.selValue(), 0);
    EXPECT_EQ(generator.reseeds.size(), 546u);
}

INSTANTIATE_TEST_SUITE_P(LevelsOneToNine, LevelThresholdTest,
                         ::testing::Values(Tier{1, 200000}, Tier{2, 450000}, Tier{3, 640000},
                                           Tier{4, 1000000}, Tier{5, 1260000}, Tier{6, 1715000},
                                           Tier{7, 2240000}, Tier{8, 2835000}, Tier{9, 3500000}));

class TopLevelTest : public GameTest, public ::testing::WithParamInterface<int> {};

TEST_P(TopLevelTest, LevelUpDoesNothingAtAll) {
    game.board() = loneBoxesBoard();
    game.restoreProgress(GetParam(), 9000000, 3);
    game.Timer1_Timer();
    forgetHostHistory();
    const Board board = game.board();
    const StatusTexts texts = game.texts();

    game.Label3_Click();

    EXPECT_EQ(game.board(), board);
    EXPECT_EQ(game.texts(), texts);
    EXPECT_EQ(game.level(), GetParam());
    EXPECT_EQ(game.points(), 9000000);
    EXPECT_EQ(game.resets(), 3);
    EXPECT_TRUE(host.log.empty());
    EXPECT_EQ(generator.draws, 0);
}

INSTANTIATE_TEST_SUITE_P(TenAndAbove, TopLevelTest, ::testing::Values(10, 11, 25));

class LevelUpTest : public GameTest {
protected:
    void SetUp() override { game.board() = loneBoxesBoard(); }
};

TEST_F(LevelUpTest, WinSoundPlaysOverTheOldBoardAndPointsAreATotal) {
    game.restoreProgress(1, 250000, 0);
    const Board old = game.board();
    game.Label3_Click();
    EXPECT_EQ(host.boardsWhenSoundPlayed, std::vector<Board>{old});
    EXPECT_NE(game.board(), old);
    EXPECT_EQ(game.texts().Pts, "250000");

    game.Label3_Click();  // level 2 needs 450000 in all
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(LevelUpTest, NextLevelLabelLagsOnePaintBehindTheLevel) {
    game.restoreProgress(1, 3500000, 0);
    game.Label3_Click();
    EXPECT_EQ(game.texts().lvl, "2");
    EXPECT_EQ(game.texts().NEXTLEVEL, "NEXT LEVEL: 200000");
    game.Timer1_Timer();
    EXPECT_EQ(game.texts().NEXTLEVEL, "NEXT LEVEL: 450000");

    game.restoreProgress(9, 3500000, 0);
    game.Label3_Click();
    game.Timer1_Timer();
    EXPECT_EQ(game.texts().lvl, "10");
    EXPECT_EQ(game.texts().NEXTLEVEL, "NEXT LEVEL: 3500000");  // nothing newer to show
}

TEST_F(LevelUpTest, RefusalShowsTheOldThresholdUntilTheNextTick) {
    game.restoreProgress(5, 1000, 0);
    game.Label3_Click();
    EXPECT_EQ(game.texts().NEXTLEVEL, "NEXT LEVEL: 1260000");
    game.Timer1_Timer();
    EXPECT_EQ(game.texts().NEXTLEVEL, "NEXT LEVEL: 200000");
}

TEST_F(LevelUpTest, NegativePointsAreRefused) {
    game.restoreProgress(3, -15000, 1);
    game.Label3_Click();
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(game.texts().lvl, "1");
}

}  // namespace
}  // namespace pelmora::test_support
