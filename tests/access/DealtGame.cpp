// The game as main() wires it, on the display it is given, with its first
// two boards dealt from a script, for the screen reader's end-to-end test
// (tools/ci/orca_play.py), which must know what there is to play. The first
// board has one pair of boxes of one colour side by side, the red pair at
// the foot of column 0; the second, the new game after a refused LEVEL UP,
// is all green. Everything after is dealt at random. Sounds are silent.
#include <QApplication>

#include "program/GameProgram.h"
#include "tests/support/Boards.h"
#include "tests/support/Generators.h"
#include "tests/support/SilentSound.h"

using namespace pelmora;
using namespace pelmora::test_support;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Pelmora");
    const char* const onePair[kRows] = {"brbrbrbrbrbrb", "gygygygygygyg", "rbrbrbrbrbrbr", "ygygygygygygy",
                                        "brbrbrbrbrbrb", "rygygygygygyg", "rbrbrbrbrbrbr"};
    ScriptedGenerator generator;
    generator.queueDeal(rowsBoard(onePair));
    generator.queueDeal(filled(code::kGreen));
    FixedClock clock;
    SilentSound sound;
    GameProgram program(sound, generator, clock, [](const QUrl&) { return true; });
    program.window().show();
    return QApplication::exec();
}
