#include "program/GameProgram.h"

#include <QCoreApplication>

namespace pelmora {

GameProgram::GameProgram(SoundPlayer& sound, std::unique_ptr<UniformGenerator> generator,
                         about::LinkOpener openLink)
    : generator_(generator ? std::move(generator) : std::make_unique<MixingGenerator>()),
      random_(*generator_, clock_),
      about_(std::move(openLink)),
      window_(sound, random_) {
    window_.setHelpCommand([this] { about_.show(); });
    // "Quit" takes every window with it at once; the close box does not.
    window_.setEndProgram([this] {
        about_.closeWindow();
        QCoreApplication::quit();
    });
}

}  // namespace pelmora
