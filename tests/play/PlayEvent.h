// One move of the random player, with everything needed to make it again.
#pragma once

#include <QPoint>
#include <Qt>
#include <cstdint>
#include <string>

namespace pelmora::play {

enum class Move {
    DirectPress,      // straight to the rules' press handler
    DestPress,        // mouse press on the surface, released elsewhere
    DestClick,        // press and release on the surface
    DestDoubleClick,  // double click on the surface
    WindowClick,      // click anywhere on the main window, through the window system
    Tick,             // the 100 ms timer
    Reset,            // File, Reset
    LevelUp,          // click on "LEVEL UP"
    LevelUpSlip,      // press on "LEVEL UP", release outside it
    Help,             // Help, How to Play / About
    AboutOk,          // the About window's OK button
    AboutCloseBox,    // the About window's close box
    AboutLink,        // one of the About window's three links
    Repaint,          // the window catches up with its paint events
};

// What the test does to the game before a LEVEL UP, so that most of them do
// not end in a (slow) message box.
enum class LevelUpSetup { AsItIs, PointsAroundThreshold, AnyLevel };

struct PlayEvent {
    Move move = Move::Tick;
    // DirectPress: twips and the raw codes the rules are given.
    float x = 0, y = 0;
    std::int16_t buttonCode = 1, keyCode = 0;
    // Mouse moves: pixels of the surface, the window or the LEVEL UP label.
    QPoint at, releaseAt;
    Qt::MouseButton button = Qt::LeftButton;
    Qt::KeyboardModifiers keys;
    bool throughWindow = false;
    // LEVEL UP.
    LevelUpSetup setup = LevelUpSetup::AsItIs;
    int level = 1;
    std::int64_t pointsOverThreshold = 0;
    bool answerWithEnter = false;
    // AboutLink: 0 product page, 1 support mail, 2 maker's home page.
    int link = 0;
};

std::string describe(const PlayEvent& event);

}  // namespace pelmora::play
