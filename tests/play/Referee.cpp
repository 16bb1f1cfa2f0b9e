#include "Referee.h"

#include <QLabel>

#include "BoardModel.h"
#include "GameUnderTest.h"

namespace pelmora::play {
namespace {

using model::numberText;

constexpr const char* kRefusalTitle = "Nope";
constexpr const char* kRefusalText = "You need more points!";

std::string boards(const Board& before, const Board& after) {
    return "\n board before:\n" + model::describe(before) + " board after:\n" +
           model::describe(after);
}

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

Referee::Referee(GameUnderTest& game) : game_(game) {}

void Referee::checkStart() {
    // The window opens on a fresh board at level 1 with no points; the
    // selection value and the Reset cost wait for a selection and a tick.
    expectFreshBoard("the first board");
    const StatusTexts& texts = game_.game().texts();
    if (!texts.SelPts.empty() || !texts.Nmmc.empty())
        fail("the window opened with selection value '" + texts.SelPts + "' and Reset cost '" +
             texts.Nmmc + "'");
    checkAlways(true);
}

Before Referee::observe() const {
    const Game& rules = game_.game();
    return Before{rules.board(), rules.points(), rules.level(), rules.resets(),
                  game_.soundsPlayed()};
}

void Referee::acceptRestoredProgress() {
    const Game& rules = game_.game();
    points_ = rules.points();
    level_ = rules.level();
    resets_ = rules.resets();
}

void Referee::fail(const std::string& what) {
    if (fault_.empty()) fault_ = what;
}

void Referee::checkPress(const Before& before, double x, double y) {
    const Board& after = game_.game().board();
    const std::string& selPts = game_.game().texts().SelPts;
    const auto cell = model::pressedCell(x, y);
    const std::string where =
        "press at (" + std::to_string(x) + ", " + std::to_string(y) + ") twips";
    const char code = cell ? before.board.at(cell->row, cell->column) : 'X';
    ++happenings_.presses;

    if (isSelectedBox(code)) {
        // A removal: the whole selection scores 500 x n^2 and leaves the board.
        const int removed = model::selectedCount(before.board);
        ++happenings_.removals;
        points_ += model::groupValue(removed);
        expectSounds(before.sounds + 1, "/clearbox.wav", where.c_str());
        if (model::tallyBoxes(after).total() != model::tallyBoxes(before.board).total() - removed)
            fail(where + " removed a group of " + std::to_string(removed) +
                 " but the number of boxes did not fall by as many" + boards(before.board, after));
        const int selectedNow = model::selectedCount(after);
        if (selectedNow == 0 && !selPts.empty())
            fail(where + ": after a removal the selection value reads '" + selPts + "', not empty");
        if (selectedNow > 0 && !isSelectedBox(after.at(cell->row, cell->column)))
            fail(where + ": a group is selected after the removal, but not at the pressed cell" +
                 boards(before.board, after));
        if (selectedNow > 0 && selPts != numberText(model::groupValue(selectedNow)))
            fail(where + ": selection value '" + selPts + "' for " + std::to_string(selectedNow) +
                 " selected boxes");
        return;
    }
    expectSounds(before.sounds, nullptr, where.c_str());
    if (!isNormalBox(code)) {
        // Empty cell, or no cell at all: nothing happens.
        if (!(after == before.board))
            fail(where + " on no box changed the board" + boards(before.board, after));
        return;
    }
    // A normal box: only the selection may change.
    if (!(model::withoutSelection(after) == model::withoutSelection(before.board)))
        fail(where + " on a box moved or changed boxes" + boards(before.board, after));
    const int selectedNow = model::selectedCount(after);
    if (model::hasPartner(before.board, cell->row, cell->column)) {
        if (after.at(cell->row, cell->column) != selectedFormOf(code) || selectedNow < 2)
            fail(where + " on a box with a same-coloured neighbour did not select its group" +
                 boards(before.board, after));
        else if (selPts != numberText(model::groupValue(selectedNow)))
            fail(where + ": selection value '" + selPts + "' for " + std::to_string(selectedNow) +
                 " selected boxes");
    } else if (selectedNow != 0) {
        fail(where + " on a lone box left " + std::to_string(selectedNow) + " boxes selected" +
             boards(before.board, after));
    }
}

void Referee::checkTick(const Before& before) {
    const Game& rules = game_.game();
    const Board expected = model::tick(before.board);
    if (!(rules.board() == expected))
        fail(std::string("a tick did not make one column pass and one falling pass") +
             (model::isSettled(before.board) ? " (and the board was already settled)" : "") +
             boards(before.board, rules.board()) + " expected:\n" + model::describe(expected));
    if (rules.texts().Nmmc != numberText(model::resetCost(resets_)))
        fail("after a tick the Reset cost reads '" + rules.texts().Nmmc + "', not " +
             numberText(model::resetCost(resets_)));
    if (const auto threshold = model::levelThreshold(level_)) {
        if (rules.texts().NEXTLEVEL != "NEXT LEVEL: " + numberText(*threshold))
            fail("after a tick at level " + std::to_string(level_) + " the next level reads '" +
                 rules.texts().NEXTLEVEL + "'");
    }
    expectSounds(before.sounds, nullptr, "a tick");
}

void Referee::checkReset(const Before& before) {
    const Board& after = game_.game().board();
    points_ -= model::resetCost(resets_);
    ++resets_;
    ++happenings_.resets;
    expectSounds(before.sounds, nullptr, "Reset");
    if (model::selectedCount(after) != 0)
        fail("Reset left boxes selected" + boards(before.board, after));
    const int boxesBefore = model::tallyBoxes(before.board).total();
    const int boxesAfter = model::tallyBoxes(after).total();
    if (boxesAfter < boxesBefore)
        fail("Reset lost boxes: " + std::to_string(boxesBefore) + " before, " +
             std::to_string(boxesAfter) + " after" + boards(before.board, after));
}

void Referee::checkLevelUp(const Before& before, const AnsweredBox& box) {
    const auto threshold = model::levelThreshold(before.level);
    if (!threshold) {
        checkNoMessageBox(box);
        checkUnchanged(before, "LEVEL UP at the top level");
        return;
    }
    if (before.points < *threshold) {
        if (!box.seen) {
            fail("LEVEL UP with " + numberText(before.points) + " of " + numberText(*threshold) +
                 " points showed no message");
        } else if (box.title != kRefusalTitle || box.text != kRefusalText || box.buttons != 1 ||
                   box.hasIcon || box.stuck) {
            fail("the refusal read '" + box.title.toStdString() + "' / '" + box.text.toStdString() +
                 "' with " + std::to_string(box.buttons) + " buttons" +
                 (box.hasIcon ? ", an icon" : "") + (box.stuck ? ", and would not close" : ""));
        }
        ++happenings_.refusals;
        points_ = 0;
        level_ = 1;
        resets_ = 0;
        expectSounds(before.sounds, nullptr, "a refused LEVEL UP");
        expectFreshBoard("a refused LEVEL UP");
        return;
    }
    checkNoMessageBox(box);
    ++happenings_.levelUps;
    ++level_;
    expectSounds(before.sounds + 1, "/win.wav", "LEVEL UP");
    expectFreshBoard("LEVEL UP");
}

void Referee::checkUnchanged(const Before& before, const char* move) {
    const Before now = observe();
    if (!(now.board == before.board))
        fail(std::string(move) + " changed the board" + boards(before.board, now.board));
    expectSounds(before.sounds, nullptr, move);
}

void Referee::checkNoMessageBox(const AnsweredBox& box) {
    if (box.seen) fail("a message box '" + box.text.toStdString() + "' came up unasked");
    if (!box.otherModal.isEmpty()) fail("a modal " + box.otherModal.toStdString() + " came up");
}

void Referee::checkAlways(bool labelsShown) {
    const Game& rules = game_.game();
    const Board& board = rules.board();
    for (char cell : board.cells()) {
        if (!model::isKnownCode(cell)) {
            fail("a cell holds the code " + std::to_string(static_cast<int>(cell)) + "\n" +
                 model::describe(board));
            return;
        }
    }
    if (model::selectionColour(board) == '?')
        fail("the selection mixes colours\n" + model::describe(board));
    if (rules.points() != points_)
        fail("points are " + numberText(rules.points()) + ", should be " + numberText(points_));
    if (rules.level() != level_)
        fail("level is " + std::to_string(rules.level()) + ", should be " + std::to_string(level_));
    if (rules.resets() != resets_)
        fail("Resets counted " + numberText(rules.resets()) + ", should be " + numberText(resets_));
    if (game_.soundsPlayed() != sounds_)
        fail("sounds played: " + std::to_string(game_.soundsPlayed()) + ", should be " +
             std::to_string(sounds_));
    const StatusTexts& texts = rules.texts();
    if (texts.Pts != numberText(points_))
        fail("Pts reads '" + texts.Pts + "' for " + numberText(points_) + " points");
    if (texts.lvl != std::to_string(level_))
        fail("lvl reads '" + texts.lvl + "' at level " + std::to_string(level_));
    expectBoardMatchesCounts("the game's texts");
    if (!model::ticksToSettle(board, model::kMostTicksToSettle))
        fail(std::to_string(model::kMostTicksToSettle) + " ticks do not settle the board\n" +
             model::describe(board));
    if (!labelsShown) return;
    const std::string* shown[] = {&texts.Pts,       &texts.lvl,    &texts.SelPts, &texts.Nmmc,
                                  &texts.NEXTLEVEL, &texts.Label4, &texts.Label6, &texts.Label8,
                                  &texts.Label10,   &texts.Label12};
    for (std::size_t i = 0; i < std::size(kShownLabels); ++i) {
        const QString label = game_.shownText(i);
        if (label != QString::fromStdString(*shown[i]))
            fail(std::string("the label ") + kShownLabels[i] + " shows '" + label.toStdString() +
                 "', the game has '" + *shown[i] + "'");
    }
}

void Referee::expectBoardMatchesCounts(const char* where) {
    // Selecting and settling neither add nor remove boxes, so the counts the
    // rules last wrote still hold for every colour, selected boxes included.
    const model::Tally tally = model::tallyBoxes(game_.game().board());
    const StatusTexts& texts = game_.game().texts();
    if (texts.Label4 != numberText(tally.total()) || texts.Label6 != numberText(tally.red) ||
        texts.Label8 != numberText(tally.blue) || texts.Label10 != numberText(tally.green) ||
        texts.Label12 != numberText(tally.yellow))
        fail(std::string("box counts in ") + where + " read total " + texts.Label4 + ", red " +
             texts.Label6 + ", blue " + texts.Label8 + ", green " + texts.Label10 + ", yellow " +
             texts.Label12 + " for a board with " + numberText(tally.total()) + ", " +
             numberText(tally.red) + ", " + numberText(tally.blue) + ", " +
             numberText(tally.green) + ", " + numberText(tally.yellow) + "\n" +
             model::describe(game_.game().board()));
}

void Referee::expectFreshBoard(const char* where) {
    const Board& board = game_.game().board();
    for (char cell : board.cells()) {
        if (!isNormalBox(cell)) {
            fail(std::string(where) + " dealt a board that is not 91 unselected boxes\n" +
                 model::describe(board));
            return;
        }
    }
}

void Referee::expectSounds(long expected, const char* fileName, const char* where) {
    sounds_ = expected;
    if (game_.soundsPlayed() != expected) {
        fail(std::string(where) + " played " +
             std::to_string(game_.soundsPlayed() - (expected - (fileName ? 1 : 0))) +
             " sounds, should be " + (fileName ? "one" : "none"));
    } else if (fileName && !endsWith(game_.lastSound(), fileName)) {
        fail(std::string(where) + " played " + game_.lastSound() + ", should be " + (fileName + 1));
    }
}

}  // namespace pelmora::play
