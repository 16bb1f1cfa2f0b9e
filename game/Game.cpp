#include "game/Game.h"

#include <cmath>

#include "game/Geometry.h"
#include "game/Reshuffle.h"
#include "game/Rules.h"
#include "game/Selection.h"
#include "game/Settling.h"

namespace pelmora {
namespace {

constexpr const char* kNextLevelPrefix = "NEXT LEVEL: ";

// New boards map a draw of 1..40 to colours in this order.
constexpr char kDealColours[] = {code::kBlue, code::kGreen, code::kRed, code::kYellow};

}  // namespace

void Game::Form_Load() { NewBoard(); }

void Game::dest_MouseDown(std::int16_t /*button*/, std::int16_t /*shift*/, float x, float y) {
    if (const auto cell = cellAtPress(x, y)) {
        const int row = cell->row;
        const int column = cell->column;
        // Each test reads the cell afresh: after a removal the cell holds
        // whatever has fallen or slid into it, and the press goes on with that.
        for (char selected : {'R', 'G', 'B', 'Y'})
            if (board_.at(row, column) == selected) RemoveSelection();
        for (char normal : {code::kYellow, code::kRed, code::kGreen, code::kBlue}) {
            if (board_.at(row, column) != normal) continue;
            ClearSelection();
            if (hasSameColouredNeighbour(board_, row, column)) {
                board_.at(row, column) = selectedFormOf(normal);
                SelectGroup();
            }
        }
    }
    DrawBoard();
}

void Game::Timer1_Timer() {
    const std::int64_t cost = resetCost(resets_);
    if (cost != resetCostShown_) {
        texts_.Nmmc = wholeNumberText(cost);
        resetCostShown_ = cost;
    }
    CloseEmptyColumns(board_);
    DropBoxes(board_);
    DrawBoard();
}

void Game::Label3_Click() {
    const double level = level_;
    const auto threshold = nextLevelThreshold(level);
    if (!threshold) return;  // top level: the label does nothing
    if (*threshold > static_cast<double>(points_)) {
        host_.showMessage(kRefusalText, kRefusalTitle);
        NewGame();
        return;
    }
    playSound(kWinSound);
    NewBoard();  // draws while the label still shows the level just left
    setLevel(level_ + 1);
}

void Game::mnuFileNew_Click() {
    setPoints(points_ - resetCost(resets_));
    ++resets_;
    ClearSelection();
    dealAgain(board_, random_);
    writeBoxCounts();
    // No redraw: the next tick settles and draws the new board.
}

void Game::NewBoard() {
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            int draw = 0;
            for (int i = 0; i < kDealDrawsPerCell; ++i)
                draw = random_.RandomInt(kDealDrawLow, kDealDrawHigh);
            board_.at(row, column) = kDealColours[(draw - 1) % 4];
        }
    }
    writeBoxCounts();
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
    texts_.SelPts = wholeNumberText(value);
    selValue_ = value;
}

void Game::ClearSelection() { clearSelection(board_); }

void Game::RemoveSelection() {
    emptySelected(board_);
    writeBoxCounts();
    setPoints(points_ + selValue_);
    texts_.SelPts.clear();
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
            texts_.NEXTLEVEL = kNextLevelPrefix + wholeNumberText(shown);
            nextLevelShown_ = shown;
        }
    }
}

void Game::restoreProgress(int level, std::int64_t points, std::int64_t resets) {
    setLevel(level);
    setPoints(points);
    resets_ = resets;
}

void Game::writeBoxCounts() {
    const ColourCounts counts = board_.countNormalBoxes();
    texts_.Label4 = wholeNumberText(counts.total());
    texts_.Label6 = wholeNumberText(counts.red);
    texts_.Label8 = wholeNumberText(counts.blue);
    texts_.Label10 = wholeNumberText(counts.green);
    texts_.Label12 = wholeNumberText(counts.yellow);
}

void Game::setPoints(std::int64_t points) {
    points_ = points;
    texts_.Pts = wholeNumberText(points_);
}

void Game::setLevel(int level) {
    level_ = level;
    texts_.lvl = wholeNumberText(level_);
}

void Game::playSound(const char* fileName) {
    host_.playSoundAndWait(host_.programFolder() + "/" + fileName);
}

}  // namespace pelmora
