// Pelmora: starts the game window. No command line, no settings, no saved
// state.
#include <QApplication>

#include <memory>

#include "program/DisplayCheck.h"
#include "program/GameProgram.h"
#include "program/DeferredSoundPlayer.h"
#include "widgets/Catalogues.h"

// Qt is told which display to use only by the environment; without one it
// would abort, so the game looks first and says what is missing.
std::unique_ptr<QApplication> startApplication(int& argc, char* argv[]) {
    if (!pelmora::displayNamed()) {
        pelmora::endForWantOfADisplay();
    }
    pelmora::DisplayFailureGuard displayMayFail;
    return std::make_unique<QApplication>(argc, argv);
}

int main(int argc, char* argv[]) {
    const auto app = startApplication(argc, argv);
    QApplication::setApplicationName("Pelmora");
    QApplication::setDesktopFileName("pelmora");
    // Every window is built in the player's language from here on.
    const pelmora::Catalogues catalogues(QLocale::system());

    pelmora::DeferredSoundPlayer sound(pelmora::soundModulePath(), [] { QApplication::beep(); });
    pelmora::MixingGenerator generator;
    pelmora::SystemLocalClock clock;
    pelmora::GameProgram program(sound, generator, clock);
    program.window().show();
    return QApplication::exec();
}
