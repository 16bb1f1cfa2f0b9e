// Speed of the window side: drawing the board and one whole timer tick,
// painted. Run once with QT_SCALE_FACTOR=1 and once with 2 (make bench does).
#include <benchmark/benchmark.h>

#include <QApplication>

#include "game/Selection.h"
#include "ui/BoardSurface.h"
#include "program/GameProgram.h"
#include "ui/sound/SoundPlayer.h"

namespace pelmora {
namespace {

class NoSound final : public SoundPlayer {
public:
    void playAndWait(const std::string&) override {}
};

struct Rig {
    NoSound sound;
    GameProgram program{sound, std::make_unique<MixingGenerator>(42)};
    Game& game = program.window().game();
    Rig() { program.window().show(); }
};

// Two different full boards, so every draw has something new to paint.
void BM_DrawBoard(benchmark::State& state) {
    Rig rig;
    const Board first = rig.game.board();
    Board second = first;
    second.at(0, 0) = second.at(0, 0) == code::kBlue ? code::kRed : code::kBlue;
    bool flip = false;
    for (auto _ : state) {
        rig.game.board() = flip ? first : second;
        flip = !flip;
        rig.game.DrawBoard();
        rig.program.window().dest().repaint();
    }
}
BENCHMARK(BM_DrawBoard);

// A tick on a board that is still settling: a column closes, boxes fall,
// the board is drawn and painted.
void BM_TickSettling(benchmark::State& state) {
    Rig rig;
    // Two boards with different holes, so no tick repeats the last picture.
    Board holes[2] = {rig.game.board(), rig.game.board()};
    for (int row = 0; row < kRows; ++row) holes[0].at(row, 4) = code::kEmpty;
    holes[0].at(6, 8) = code::kEmpty;
    holes[1].at(6, 2) = code::kEmpty;
    holes[1].at(5, 2) = code::kEmpty;
    int next = 0;
    for (auto _ : state) {
        rig.game.board() = holes[next];
        next = 1 - next;
        rig.game.Timer1_Timer();
        rig.program.window().dest().repaint();
    }
}
BENCHMARK(BM_TickSettling);

// The tick of a quiet board, ten times a second while the player thinks.
void BM_TickSettled(benchmark::State& state) {
    Rig rig;
    for (auto _ : state) {
        rig.game.Timer1_Timer();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_TickSettled);

}  // namespace
}  // namespace pelmora

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::AddCustomContext("device_pixel_ratio",
                                std::to_string(qApp->devicePixelRatio()));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
