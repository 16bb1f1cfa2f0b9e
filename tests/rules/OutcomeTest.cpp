// What each handler tells its host it did, and the standing it leaves: the
// numbers a screen reader's words are made of.
#include <gtest/gtest.h>

#include "tests/rules/GameTest.h"

namespace pelmora::test_support {
namespace {

using What = Outcome::What;

// No two neighbours share a colour but the red pair at the foot of column 0;
// once it is gone, the blue box falling into (6, 0) pairs with (6, 1).
const char* const kOnePair[kRows] = {"brbrbrbrbrbrb", "gygygygygygyg", "rbrbrbrbrbrbr", "ygygygygygygy",
                                     "brbrbrbrbrbrb", "rygygygygygyg", "rbrbrbrbrbrbr"};

class OutcomeTest : public GameTest {
protected:
    const Outcome& last() const { return host.outcomes.back(); }
};

TEST_F(OutcomeTest, APressTellsWhatItRemovedAndSelected) {
    start(rowsBoard(kOnePair));
    press(6, 0);
    EXPECT_EQ(last().what, What::Pressed);
    EXPECT_TRUE(last().selected);
    EXPECT_EQ(last().removedBoxes, 0);
    EXPECT_EQ(last().after.selectedBoxes, 2);
    EXPECT_EQ(last().after.selectionValue, 2000);
    EXPECT_EQ(std::to_string(last().after.boxesLeft.red), game->texts().Label6);  // the pair still counts

    press(6, 0);  // removes the pair, and the blue box falling in pairs up
    EXPECT_EQ(last().removedBoxes, 2);
    EXPECT_EQ(last().removedValue, 2000);
    EXPECT_TRUE(last().selected);
    EXPECT_EQ(last().after.points, 2000);
    EXPECT_EQ(last().after.selectedBoxes, 2);
    EXPECT_EQ(last().after.boxesLeft.total(), 89);

    press(0, 5);  // a lone red box: the selection goes, its value with it
    EXPECT_TRUE(last().loneBox);
    EXPECT_FALSE(last().selected);
    EXPECT_EQ(last().after.selectedBoxes, 0);
    EXPECT_EQ(last().after.selectionValue, 0);
    EXPECT_EQ(game->texts().SelPts, "2000");  // as the rules keep it

    press(4, 0);  // an empty cell: nothing
    EXPECT_FALSE(last().loneBox || last().selected || last().removedBoxes);
    EXPECT_EQ(host.outcomes.size(), 4u);
}

TEST_F(OutcomeTest, LevelUpResetAndLoadTellTheirOwnKindAndWhatFollows) {
    game->Form_Load();
    EXPECT_EQ(last().what, What::Dealt);
    EXPECT_EQ(last().after.boxesLeft.total(), 91);
    EXPECT_EQ(last().after.nextLevelAt, 200000);

    start(filled('b'));
    game->mnuFileNew_Click();
    EXPECT_EQ(last().what, What::Reshuffled);
    EXPECT_EQ(last().after.points, -15000);
    EXPECT_EQ(last().after.nextResetCost, 35000);

    start(Position{filled('b'), 2, 450000, 2});
    game->Label3_Click();
    EXPECT_EQ(last().what, What::LevelUp);
    EXPECT_EQ(last().after.level, 3);
    EXPECT_EQ(last().after.nextLevelAt, 640000);
    EXPECT_EQ(last().after.nextResetCost, 55000);

    start(Position{filled('b'), 2, 449999, 2});
    game->Label3_Click();
    EXPECT_EQ(last().what, What::NewGame);
    EXPECT_EQ(last().after.level, 1);
    EXPECT_EQ(last().after.points, 0);
    EXPECT_EQ(last().after.nextResetCost, 15000);

    start(Position{filled('b'), 9, 3500000, 0});
    game->Label3_Click();
    EXPECT_EQ(last().what, What::LevelUp);
    EXPECT_EQ(last().after.nextLevelAt, std::nullopt);
    game->Label3_Click();
    EXPECT_EQ(last().what, What::AtTopLevel);
    EXPECT_EQ(last().after.level, 10);
}

TEST_F(OutcomeTest, TicksTellNothing) {
    start(rowsBoard(kOnePair));
    press(6, 0);
    press(6, 0);
    const std::size_t told = host.outcomes.size();
    for (int tick = 0; tick < 5; ++tick) game->Timer1_Timer();
    EXPECT_EQ(host.outcomes.size(), told);
}

}  // namespace
}  // namespace pelmora::test_support
