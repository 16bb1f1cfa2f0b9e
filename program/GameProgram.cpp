#include "program/GameProgram.h"

#include <QCoreApplication>

#include "program/AccessibilityBusGuard.h"

namespace pelmora {

GameProgram::GameProgram(SoundPlayer& sound, UniformGenerator& generator, LocalClock& clock,
                         about::LinkOpener openLink)
    : random_(generator, clock),
      about_(std::move(openLink)),
      window_(sound, random_) {
    AccessibilityBusGuard::install();
    window_.setHelpCommand([this] { about_.show(&window_); });
    // "Quit" takes every window with it at once; the close box does not.
    window_.setEndProgram([this] {
        about_.closeWindow();
        QCoreApplication::quit();
    });
}

}  // namespace pelmora
