// The game as a player starts it, ending at its first painted board.
#include <QApplication>

#include "FirstPaintProbe.h"
#include "ui/BoardSurface.h"
#include "program/GameProgram.h"
#include "program/DeferredSoundPlayer.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    pelmora::DeferredSoundPlayer sound(pelmora::soundModulePath(), [] { QApplication::beep(); });
    pelmora::MixingGenerator generator;
    pelmora::SystemLocalClock clock;
    pelmora::GameProgram program(sound, generator, clock);
    // With --stay it keeps running, for measuring the idle game.
    const bool stay = argc > 1 && QString(argv[1]) == "--stay";
    pelmora::FirstPaintProbe probe(stay ? nullptr : &program.window().dest());
    program.window().show();
    return QApplication::exec();
}
