// The game wired as main() wires it, offscreen, its sounds played through
// the sound module beside it. It removes one group, which plays
// clearbox.wav from the program's folder, and prints "played" with the
// number of default sounds heard. Then it ends with that number as its
// status, or with --then-run goes on running until something ends it.
#include <QApplication>
#include <QTest>

#include <cstdio>
#include <cstring>

#include "program/DeferredSoundPlayer.h"
#include "program/GameProgram.h"
#include "tests/support/Boards.h"
#include "tests/support/CellAim.h"
#include "tests/support/Generators.h"
#include "ui/BoardSurface.h"
#include "widgets/Twips.h"

using namespace pelmora;
using namespace pelmora::test_support;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    int defaultSounds = 0;
    DeferredSoundPlayer sound(soundModulePath(), [&] { ++defaultSounds; });
    // Two green boxes at the left of the bottom row, no other same-coloured
    // neighbours: the first press selects them, the second removes them.
    const char* const rows[kRows] = {"brbrbrbrbrbrb", "gygygygygygyg", "rbrbrbrbrbrbr", "ygygygygygygy",
                                     "brbrbrbrbrbrb", "rygygygygygyg", "ggbrbrbrbrbrb"};
    ScriptedGenerator generator;
    generator.queueDeal(rowsBoard(rows));
    FixedClock clock;
    GameProgram program(sound, generator, clock, [](const QUrl&) { return false; });
    MainWindow& window = program.window();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 100;

    const TwipsPoint middle = middleOfCell(kRows - 1, 0);
    const QPoint pixel(static_cast<int>(middle.x) / kTwipsPerPixel, static_cast<int>(middle.y) / kTwipsPerPixel);
    QTest::mouseClick(&window.dest(), Qt::LeftButton, {}, pixel);
    QTest::mouseClick(&window.dest(), Qt::LeftButton, {}, pixel);

    std::printf("played %d\n", defaultSounds);
    std::fflush(stdout);
    if (argc > 1 && std::strcmp(argv[1], "--then-run") == 0) return QApplication::exec();
    return defaultSounds;
}
