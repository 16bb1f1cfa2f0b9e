// The game's board as the X server shows it: finds a running game's window,
// reads what each cell shows from the server's own pixels, and presses
// cells with synthesised mouse events (XTest), as a player's mouse would.
#pragma once

#include <sys/types.h>

#include <array>
#include <chrono>
#include <optional>
#include <vector>

#include "game/Rules.h"

struct _XDisplay;

namespace pelmora::bench {

// What one cell shows: nothing, or a box of some colour, highlighted or not.
struct CellLook {
    bool empty = true;
    unsigned long colour = 0;  // the box's centre pixel: equal for equal colours
    bool highlighted = false;

    bool operator==(const CellLook&) const = default;
};

using BoardLook = std::array<CellLook, kCells>;

class ScreenBoard {
public:
    ScreenBoard();  // on $DISPLAY; exits the program if there is no X server
    ~ScreenBoard();
    ScreenBoard(const ScreenBoard&) = delete;
    ScreenBoard& operator=(const ScreenBoard&) = delete;

    // Waits for the main window of process `pid` to show its first board;
    // false on timeout.
    bool attach(pid_t pid, std::chrono::milliseconds timeout);
    BoardLook read() const;
    // The board once it has stopped moving (boxes still fall after a removal).
    BoardLook readSettled(std::chrono::milliseconds timeout) const;

    void pointAt(int row, int column) const;
    void pressButton() const;
    void releaseButton() const;
    // The exact pixels of one cell, to see the moment they change.
    std::vector<char> cellPixels(int row, int column) const;

private:
    bool waitForFullBoard(std::chrono::steady_clock::time_point deadline) const;
    int cellX(int column) const;
    int cellY(int row) const;

    _XDisplay* display_;
    unsigned long root_;  // an X Window; Xlib's macros stay out of this header
    int boardX_ = 0;  // the board surface's corner on the screen
    int boardY_ = 0;
};

}  // namespace pelmora::bench
