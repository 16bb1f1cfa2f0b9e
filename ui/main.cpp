// Pelmora: starts the game window. No command line, no settings, no saved
// state.
#include <QApplication>

#include "game/RandomSource.h"
#include "ui/MainWindow.h"
#include "ui/sound/SdlSoundPlayer.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Pelmora");
    QApplication::setDesktopFileName("pelmora");

    pelmora::SdlSoundPlayer sound([] { QApplication::beep(); });
    pelmora::MixingGenerator generator;
    pelmora::SystemLocalClock clock;
    pelmora::RandomSource random(generator, clock);

    pelmora::MainWindow window(sound, random);
    window.show();
    return QApplication::exec();
}
