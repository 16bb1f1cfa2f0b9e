#include <algorithm>
#include <array>
#include <string_view>

#include "Play.h"
#include "game/Settling.h"
#include "tests/support/Boards.h"

namespace pelmora::play {
namespace {

// One tick per column that can slide, one per row that can fall.
constexpr int kMostSettlingTicks = 7 + 13;

// What Pts, Label4, 6, 8, 10 and 12 show: the points, then the boxes in all
// and the red, blue, green and yellow ones, selected boxes included (for
// selecting and settling neither add nor remove boxes).
std::array<std::int64_t, 6> shownNumbers(const Board& board, std::int64_t points) {
    std::array<std::int64_t, 6> numbers{points};
    for (char cell : board.cells()) {
        const auto colour =
            std::string_view("rbgy").find(isSelectedBox(cell) ? normalFormOf(cell) : cell);
        if (colour != std::string_view::npos) ++numbers[1], ++numbers[colour + 2];
    }
    return numbers;
}

constexpr std::string StatusTexts::*kShownTexts[] = {&StatusTexts::Pts,     &StatusTexts::Label4,
                                                     &StatusTexts::Label6,  &StatusTexts::Label8,
                                                     &StatusTexts::Label10, &StatusTexts::Label12};

}  // namespace

std::string checkInvariants(const Game& game, const Snapshot& before, Event event, bool refused,
                            const std::vector<QLabel*>& labels) {
    const Board& board = game.board();
    const auto boards = [&] {  // before and after, side by side
        std::string text;
        for (int at = 0; at < kCells; at += kColumns)
            text += "\n  " + std::string(&before.board.cells()[at], kColumns) + "   " +
                    std::string(&board.cells()[at], kColumns);
        return text;
    };
    char colour = 0;
    for (char cell : board.cells()) {
        if (!isNormalBox(cell) && !isSelectedBox(cell) && cell != code::kEmpty)
            return "a cell holds the code " + std::to_string(static_cast<int>(cell)) + boards();
        if (isSelectedBox(cell) && colour && cell != colour)
            return "the selection mixes colours" + boards();
        if (isSelectedBox(cell)) colour = cell;
    }
    const auto truth = shownNumbers(board, game.points());
    for (std::size_t i = 0; i < truth.size(); ++i) {
        const std::string number = std::to_string(truth[i]), inGame = game.texts().*kShownTexts[i];
        const std::string onWindow = labels[i]->text().toStdString();
        if (inGame != number || onWindow != number)
            return std::string(kCheckedLabels[i]) + " reads '" + inGame + "' in the game and '" +
                   onWindow + "' on the window, not " + number + boards();
    }
    // Points move by 500 x n^2 when a press removes the n selected boxes, by
    // the Reset's cost, or to 0 on a refusal, and not otherwise.
    const auto selected =
        std::count_if(before.board.cells().begin(), before.board.cells().end(), isSelectedBox);
    const std::int64_t removed = shownNumbers(before.board, 0)[1] - truth[1];
    const std::int64_t gain = event == Event::Press   ? 500 * removed * removed
                              : event == Event::Reset ? -(15000 + 20000 * before.resets)
                              : event == Event::LevelUp && refused ? -before.points
                                                                   : 0;
    if (game.points() - before.points != gain ||
        (event == Event::Press && removed && removed != selected) ||
        (event == Event::Reset && game.resets() != before.resets + 1))
        return "points went from " + std::to_string(before.points) + " to " +
               std::to_string(game.points()) + ", not by " + std::to_string(gain) + " (" +
               std::to_string(removed) + " of " + std::to_string(selected) +
               " selected boxes gone, Resets: " + std::to_string(game.resets()) + ")" + boards();
    // A tick leaves a settled board alone and moves something on any other.
    if (event == Event::Tick && test_support::isSettled(before.board) == !(board == before.board))
        return "a tick changed a settled board, or left an unsettled one as it was" + boards();
    Board settling = board;
    for (int ticks = 0; !test_support::isSettled(settling); ++ticks) {
        if (ticks == kMostSettlingTicks)
            return std::to_string(kMostSettlingTicks) + " ticks do not settle the board" + boards();
        CloseEmptyColumns(settling);
        DropBoxes(settling);
    }
    return {};
}

}  // namespace pelmora::play
