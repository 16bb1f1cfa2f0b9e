// A game started where there is no display says so in one line and ends
// with status 1. Left to itself, Qt prints several lines and aborts.
#pragma once

namespace pelmora {

// False when the environment names neither a display (DISPLAY,
// WAYLAND_DISPLAY) nor a platform (QT_QPA_PLATFORM, which may need none:
// offscreen).
bool displayNamed();

// Says on stderr that no display can be opened, naming the variables that
// give one, and ends the program with status 1.
[[noreturn]] void endForWantOfADisplay();

// While one lives, Qt's messages are held back, and a fatal one (the
// platform could not start) ends the program with status 1 and one line
// naming the cause Qt gave on the way: a platform plugin that is not
// installed, or a named display that does not answer. Meant to live exactly as long as
// the construction of the QApplication; the messages held are passed on
// when it ends.
class DisplayFailureGuard {
public:
    DisplayFailureGuard();
    ~DisplayFailureGuard();
    DisplayFailureGuard(const DisplayFailureGuard&) = delete;
    DisplayFailureGuard& operator=(const DisplayFailureGuard&) = delete;
};

}  // namespace pelmora
