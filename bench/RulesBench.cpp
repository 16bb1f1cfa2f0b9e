// Speed of the rules: dealing, growing a selection, a removal, whole games.
#include <benchmark/benchmark.h>

#include <array>
#include <random>
#include <vector>

#include "game/Game.h"
#include "game/Geometry.h"
#include "game/Selection.h"
#include "tests/support/Boards.h"
#include "tests/support/CellAim.h"
#include "tests/support/FakeHost.h"

namespace pelmora {
namespace {

using test_support::isSettled;

struct Rig {
    Rig() { host.logging = false; }
    test_support::FakeHost host;
    MixingGenerator generator;
    SystemLocalClock clock;
    RandomSource random{generator, clock};
    Game game{host, random};
};

void press(Game& game, int row, int column) {
    const test_support::TwipsPoint middle = test_support::middleOfCell(row, column);
    game.dest_MouseDown(1, 0, middle.x, middle.y);
}

// Every normal box with a same-coloured neighbour, found in one sweep over
// the pairs of neighbours.
void findMovableBoxes(const Board& board, std::vector<Cell>& movable) {
    std::array<bool, kCells> pressable{};
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const char cell = board.at(row, column);
            if (!isNormalBox(cell)) continue;
            const int here = row * kColumns + column;
            if (column + 1 < kColumns && board.at(row, column + 1) == cell)
                pressable[here] = pressable[here + 1] = true;
            if (row + 1 < kRows && board.at(row + 1, column) == cell)
                pressable[here] = pressable[here + kColumns] = true;
        }
    }
    movable.clear();
    for (int index = 0; index < kCells; ++index)
        if (pressable[index]) movable.push_back({index / kColumns, index % kColumns});
}

void BM_NewBoard(benchmark::State& state) {
    Rig rig;
    for (auto _ : state) {
        rig.game.Form_Load();  // deals a new board, nothing more
        benchmark::DoNotOptimize(rig.game.board());
    }
}
BENCHMARK(BM_NewBoard);

// One colour everywhere: every pass visits all 91 selected cells and runs
// four walks from each. SelectGroup's work: the passes, then the count.
void BM_SelectGroupWorstCase(benchmark::State& state) {
    Board full;
    full.clear(code::kYellow);
    full.at(kRows - 1, kColumns - 1) = 'Y';
    for (auto _ : state) {
        Board board = full;
        growSelection(board);
        benchmark::DoNotOptimize(selectionValue(countSelected(board)));
    }
}
BENCHMARK(BM_SelectGroupWorstCase);

// Select the top rows of a striped board and remove them with their
// passes, in a game picked up at that board each time.
void BM_Removal(benchmark::State& state) {
    Rig rig;
    Position striped;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            striped.board.at(row, column) = row < 3 ? code::kRed : (column % 2 ? code::kBlue : code::kGreen);
    for (auto _ : state) {
        Game game(rig.host, rig.random, striped);
        press(game, 0, 6);  // select the red rows
        press(game, 0, 6);  // and remove them
        benchmark::DoNotOptimize(game.points());
    }
}
BENCHMARK(BM_Removal);

// Deal, then press random groups and tick until no move is left.
void BM_WholeGame(benchmark::State& state) {
    Rig rig;
    std::minstd_rand choose(12345);
    std::vector<Cell> movable;
    movable.reserve(kCells);
    std::int64_t removals = 0;
    for (auto _ : state) {
        rig.game.Form_Load();
        for (;;) {
            findMovableBoxes(rig.game.board(), movable);
            if (movable.empty()) break;
            const Cell cell = movable[choose() % movable.size()];
            press(rig.game, cell.row, cell.column);
            press(rig.game, cell.row, cell.column);
            ++removals;
            while (!isSettled(rig.game.board())) rig.game.Timer1_Timer();
        }
    }
    state.counters["removals_per_game"] =
        benchmark::Counter(static_cast<double>(removals), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_WholeGame);

}  // namespace
}  // namespace pelmora

BENCHMARK_MAIN();
