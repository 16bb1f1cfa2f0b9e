// Speed of the window side: drawing the board and one whole timer tick,
// painted. Run once with QT_SCALE_FACTOR=1 and once with 2 (make bench does).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>
#include <QWindow>

#include "game/Settling.h"
#include "program/GameProgram.h"
#include "tests/support/SilentSound.h"
#include "ui/BoardSurface.h"
#include "ui/TileHolder.h"

namespace pelmora {
namespace {

struct Rig {
    test_support::SilentSound sound;
    MixingGenerator generator{42};
    SystemLocalClock clock;
    GameProgram program{sound, generator, clock};
    MainWindow& window = program.window();
    TileHolder tiles;
    Rig() {
        window.show();
        window.findChild<QTimer*>("Timer1")->stop();
        // Until the window is exposed, repaint() paints nothing.
        while (!window.windowHandle()->isExposed()) QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    // What DrawBoard has the window do: draw on dest from the tile pictures.
    void draw(const Board& board) {
        window.dest().drawBoard(board, tiles);
        window.dest().repaint();
    }
};

// Two different full boards, so every draw has something new to paint.
void BM_DrawBoard(benchmark::State& state) {
    Rig rig;
    const Board first = rig.window.game().board();
    Board second = first;
    second.at(0, 0) = second.at(0, 0) == code::kBlue ? code::kRed : code::kBlue;
    bool flip = false;
    for (auto _ : state) {
        rig.draw(flip ? first : second);
        flip = !flip;
    }
}
BENCHMARK(BM_DrawBoard);

// A tick's work on a board that is still settling: a column closes, boxes
// fall, the board is drawn and painted.
void BM_TickSettling(benchmark::State& state) {
    Rig rig;
    // Two boards with different holes, so no tick repeats the last picture.
    Board holes[2] = {rig.window.game().board(), rig.window.game().board()};
    for (int row = 0; row < kRows; ++row) holes[0].at(row, 4) = code::kEmpty;
    holes[0].at(6, 8) = code::kEmpty;
    holes[1].at(6, 2) = code::kEmpty;
    holes[1].at(5, 2) = code::kEmpty;
    int next = 0;
    for (auto _ : state) {
        Board board = holes[next];
        next = 1 - next;
        CloseEmptyColumns(board);
        DropBoxes(board);
        rig.draw(board);
    }
}
BENCHMARK(BM_TickSettling);

// The tick of a quiet board, ten times a second while the player thinks.
void BM_TickSettled(benchmark::State& state) {
    Rig rig;
    QTimer* timer1 = rig.window.findChild<QTimer*>("Timer1");
    for (auto _ : state) {
        QMetaObject::invokeMethod(timer1, "timeout", Qt::DirectConnection);
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
