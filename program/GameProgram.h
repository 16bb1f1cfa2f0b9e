// Everything one run of the game owns, wired together: the random source,
// the main window and the About window's launcher.
#pragma once

#include "about/AboutLauncher.h"
#include "game/RandomSource.h"
#include "ui/MainWindow.h"

namespace pelmora {

class SoundPlayer;

class GameProgram {
public:
    // The game draws from `generator`, reseeded from `clock`; main() passes
    // the system's, a test its own so that a run replays.
    GameProgram(SoundPlayer& sound, UniformGenerator& generator, LocalClock& clock,
                about::LinkOpener openLink = about::desktopLinkOpener());

    MainWindow& window() { return window_; }
    about::AboutLauncher& about() { return about_; }

private:
    RandomSource random_;
    about::AboutLauncher about_;
    MainWindow window_;
};

}  // namespace pelmora
