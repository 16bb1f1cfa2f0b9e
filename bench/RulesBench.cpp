// Speed of the rules: dealing, growing a selection, a removal, whole games.
#include <benchmark/benchmark.h>

#include <array>
#include <random>
#include <vector>

#include "game/Game.h"
#include "game/Geometry.h"
#include "game/Selection.h"
#include "game/Settling.h"

namespace pelmora {
namespace {

class SilentHost final : public Host {
public:
    void paintBoard(const Board&) override {}
    void playSoundAndWait(const std::string&) override {}
    void showMessage(const std::string&, const std::string&) override {}
    std::string programFolder() const override { return "."; }
};

struct Rig {
    SilentHost host;
    MixingGenerator generator;
    SystemLocalClock clock;
    RandomSource random{generator, clock};
    Game game{host, random};
};

void press(Game& game, int row, int column) {
    game.dest_MouseDown(1, 0, kBoardLeft + column * kCellWidth + kCellWidth / 2.0f,
                        kBoardTop + row * kCellHeight + kCellHeight / 2.0f);
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
        rig.game.NewBoard();
        benchmark::DoNotOptimize(rig.game.board());
    }
}
BENCHMARK(BM_NewBoard);

// One colour everywhere: every pass visits all 91 selected cells and runs
// four walks from each.
void BM_SelectGroupWorstCase(benchmark::State& state) {
    Rig rig;
    Board full;
    full.clear(code::kYellow);
    for (auto _ : state) {
        rig.game.board() = full;
        rig.game.board().at(kRows - 1, kColumns - 1) = 'Y';
        rig.game.SelectGroup();
        benchmark::DoNotOptimize(rig.game.selValue());
    }
}
BENCHMARK(BM_SelectGroupWorstCase);

// Select the bottom half of a striped board and remove it with its passes.
void BM_Removal(benchmark::State& state) {
    Rig rig;
    Board striped;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            striped.at(row, column) = row < 3 ? code::kRed : (column % 2 ? code::kBlue : code::kGreen);
    for (auto _ : state) {
        rig.game.board() = striped;
        press(rig.game, 0, 6);  // select the red rows
        press(rig.game, 0, 6);  // and remove them
        benchmark::DoNotOptimize(rig.game.points());
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
        rig.game.NewBoard();
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
