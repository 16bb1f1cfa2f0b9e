// Everything one run of the game owns, wired together: the random source,
// the main window and the About window's launcher.
#pragma once

#include <memory>

#include "about/AboutLauncher.h"
#include "game/RandomSource.h"
#include "ui/MainWindow.h"

namespace pelmora {

class SoundPlayer;

class GameProgram {
public:
    // `generator` may be null: the game then seeds its own from the system.
    GameProgram(SoundPlayer& sound, std::unique_ptr<UniformGenerator> generator = nullptr,
                about::LinkOpener openLink = about::desktopLinkOpener());

    MainWindow& window() { return window_; }
    about::AboutLauncher& about() { return about_; }

private:
    std::unique_ptr<UniformGenerator> generator_;
    SystemLocalClock clock_;
    RandomSource random_;
    about::AboutLauncher about_;
    MainWindow window_;
};

}  // namespace pelmora
