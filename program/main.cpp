// Pelmora: starts the game window. No command line, no settings, no saved
// state.
#include <QApplication>

#include "program/GameProgram.h"
#include "program/DeferredSoundPlayer.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Pelmora");
    QApplication::setDesktopFileName("pelmora");

    pelmora::DeferredSoundPlayer sound(pelmora::soundModulePath(), [] { QApplication::beep(); });
    pelmora::MixingGenerator generator;
    pelmora::SystemLocalClock clock;
    pelmora::GameProgram program(sound, generator, clock);
    program.window().show();
    return QApplication::exec();
}
