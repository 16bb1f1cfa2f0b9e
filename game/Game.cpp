#include "game/Game.h"

#include <cmath>
#include <utility>

#include "game/Geometry.h"
#include "game/Reshuffle.h"
#include "game/Rules.h"
#include "game/Selection.h"
#include "game/Settling.h"

namespace pelmora {
namespace {

Outcome outcomeOf(Outcome::What what) {
    Outcome outcome;
    outcome.what = what;
    return outcome;
}

}  // namespace

Game::Game(Host& host, RandomSource& random, const Position& position)
    : host_(host), random_(random), board_(position.board) {
    setLevel(position.level);
    setPoints(position.points);
    resets_ = position.resets;
    // Play last wrote the counts before the selection was made, when its
    // boxes were still normal ones.
    Board unselected = board_;
    unselectAll(unselected);
    writeBoxCounts(unselected);
    if (countSelected(board_) > 0) UpdateSelectionValue();
    // The texts differ from the design texts: the first handler reports them.
}

void Game::Form_Load() {
    NewBoard();
    reportTexts();
    report(outcomeOf(Outcome::What::Dealt));
}

void Game::dest_MouseDown(std::int16_t /*button*/, std::int16_t /*shift*/, float x, float y) {
    Outcome outcome = outcomeOf(Outcome::What::Pressed);
    if (const auto cell = cellAtPress(x, y)) {
        const int row = cell->row;
        const int column = cell->column;
        // Each test reads the cell afresh: after a removal the cell holds
        // whatever has fallen or slid into it, and the press goes on with that.
        for (char selected : {code::kSelectedRed, code::kSelectedGreen, code::kSelectedBlue,
                              code::kSelectedYellow})
            if (board_.at(row, column) == selected) {
                const std::int64_t pointsBefore = points_;
                outcome.removedBoxes += countSelected(board_);
                RemoveSelection();
                outcome.removedValue += points_ - pointsBefore;
            }
        for (char normal : {code::kYellow, code::kRed, code::kGreen, code::kBlue}) {
            if (board_.at(row, column) != normal) continue;
            ClearSelection();
            if (hasSameColouredNeighbour(board_, row, column)) {
                board_.at(row, column) = selectedFormOf(normal);
                SelectGroup();
                outcome.selected = true;
            } else {
                outcome.loneBox = true;
            }
        }
    }
    DrawBoard();
    reportTexts();
    report(outcome);
}

void Game::Timer1_Timer() {
    const std::int64_t cost = resetCost(resets_);
    if (cost != resetCostShown_) {
        setText(&StatusTexts::Nmmc, wholeNumberText(cost));
        resetCostShown_ = cost;
    }
    CloseEmptyColumns(board_);
    DropBoxes(board_);
    DrawBoard();
    reportTexts();
}

void Game::Label3_Click() {
    const double level = level_;
    const auto threshold = nextLevelThreshold(level);
    if (!threshold) {  // top level: the label does nothing
        report(outcomeOf(Outcome::What::AtTopLevel));
        return;
    }
    Outcome outcome = outcomeOf(Outcome::What::LevelUp);
    if (*threshold > static_cast<double>(points_)) {
        host_.showMessage(kRefusalText, kRefusalTitle);
        NewGame();
        outcome.what = Outcome::What::NewGame;
    } else {
        playSound(kWinSound);
        NewBoard();  // draws while the label still shows the level just left
        setLevel(level_ + 1);
    }
    reportTexts();
    report(outcome);
}

void Game::mnuFileNew_Click() {
    setPoints(points_ - resetCost(resets_));
    ++resets_;
    ClearSelection();
    reshuffle(board_, random_);
    writeBoxCounts(board_);
    // No redraw: the next tick settles and draws the new board.
    reportTexts();
    report(outcomeOf(Outcome::What::Reshuffled));
}

Standing Game::standing() const {
    Standing standing;
    standing.points = points_;
    standing.level = level_;
    if (const auto threshold = nextLevelThreshold(level_)) standing.nextLevelAt = std::llround(*threshold);
    standing.nextResetCost = resetCost(resets_);
    standing.selectedBoxes = countSelected(board_);
    if (standing.selectedBoxes > 0) standing.selectionValue = selValue_;
    Board unselected = board_;
    unselectAll(unselected);
    standing.boxesLeft = unselected.countNormalBoxes();
    return standing;
}

void Game::NewBoard() {
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            int draw = 0;
            for (int i = 0; i < kDealDrawsPerCell; ++i)
                draw = random_.RandomInt(kDealDrawLow, kDealDrawHigh);
            const auto place = static_cast<std::size_t>(draw - kDealDrawLow) % kColoursInOrder.size();
            board_.at(row, column) = kColoursInOrder[place];
        }
    }
    writeBoxCounts(board_);
    DrawBoard();
}

void Game::NewGame() {
    NewBoard();
    selValue_ = 0;
    resets_ = 0;
    setLevel(1);
    setPoints(0);
}

void Game::SelectGroup() {
    growSelection(board_);
    UpdateSelectionValue();
}

void Game::UpdateSelectionValue() {
    const std::int64_t value = selectionValue(countSelected(board_));
    setText(&StatusTexts::SelPts, wholeNumberText(value));
    selValue_ = value;
}

void Game::ClearSelection() { unselectAll(board_); }

void Game::RemoveSelection() {
    emptySelected(board_);
    writeBoxCounts(board_);
    setPoints(points_ + selValue_);
    setText(&StatusTexts::SelPts, {});
    DropBoxes(board_);
    CloseEmptyColumns(board_);
    playSound(kClearSound);
}

void Game::DrawBoard() {
    host_.paintBoard(board_);
    // From the top level on the label keeps its last text.
    if (const auto threshold = nextLevelThreshold(level_)) {
        const std::int64_t shown = std::llround(*threshold);
        if (shown != nextLevelShown_) {
            setText(&StatusTexts::NEXTLEVEL, kNextLevelPrefix + wholeNumberText(shown));
            nextLevelShown_ = shown;
        }
    }
}

void Game::writeBoxCounts(const Board& board) {
    const ColourCounts counts = board.countNormalBoxes();
    setText(&StatusTexts::Label4, wholeNumberText(counts.total()));
    setText(&StatusTexts::Label6, wholeNumberText(counts.red));
    setText(&StatusTexts::Label8, wholeNumberText(counts.blue));
    setText(&StatusTexts::Label10, wholeNumberText(counts.green));
    setText(&StatusTexts::Label12, wholeNumberText(counts.yellow));
}

void Game::setText(std::string StatusTexts::*label, std::string text) {
    std::string& shown = texts_.*label;
    if (shown == text) return;
    shown = std::move(text);
    textsChanged_ = true;
}

void Game::reportTexts() {
    if (!textsChanged_) return;
    textsChanged_ = false;
    host_.textsChanged(texts_);
}

void Game::report(Outcome outcome) {
    outcome.after = standing();
    host_.handled(outcome);
}

void Game::setPoints(std::int64_t points) {
    points_ = points;
    setText(&StatusTexts::Pts, wholeNumberText(points_));
}

void Game::setLevel(int level) {
    level_ = level;
    setText(&StatusTexts::lvl, wholeNumberText(level_));
}

void Game::playSound(const char* fileName) {
    host_.playSoundAndWait(host_.programFolder() + "/" + fileName);
}

}  // namespace pelmora
