// The game wired as main() wires it, offscreen, its sounds played through
// the sound module beside it. It removes one group, which plays
// clearbox.wav from the program's folder, and prints "played" with the
// number of default sounds heard. Then it ends with that number as its
// status, or with --then-run goes on running until something ends it.
#include <cstdio>
#include <cstring>

#include "program/DeferredSoundPlayer.h"
#include "tests/window/WindowRun.h"

using namespace pelmora;
using namespace pelmora::test_support;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    int defaultSounds = 0;
    DeferredSoundPlayer sound(soundModulePath(), [&] { ++defaultSounds; });
    // One colour everywhere: the first press selects it all, the second
    // removes it.
    const Board board = filled(code::kGreen);
    WindowRun run(&board, &sound);
    run.clickCell(kRows - 1, 0);
    run.clickCell(kRows - 1, 0);

    std::printf("played %d\n", defaultSounds);
    std::fflush(stdout);
    if (argc > 1 && std::strcmp(argv[1], "--then-run") == 0) return QApplication::exec();
    return defaultSounds;
}
