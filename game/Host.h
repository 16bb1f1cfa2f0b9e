// What the rules need from the window system. The window implements it;
// tests fake it in a few lines.
#pragma once

#include <string>

#include "game/Board.h"
#include "game/Outcome.h"
#include "game/StatusTexts.h"

namespace pelmora {

class Host {
public:
    virtual ~Host() = default;
    // Wipe the board surface and paint every box of `board`.
    virtual void paintBoard(const Board& board) = 0;
    // Play a WAV file to its end before returning; a missing or unplayable
    // file plays the system's default sound instead.
    virtual void playSoundAndWait(const std::string& path) = 0;
    // Modal message box with one OK button; returns when it is closed.
    virtual void showMessage(const std::string& text, const std::string& title) = 0;
    // Folder of the program file, without a trailing separator.
    virtual std::string programFolder() const = 0;
    // Called at the end of a handler that changed any status text, with all
    // of them; a host that shows no labels may ignore it.
    virtual void textsChanged(const StatusTexts& /*texts*/) {}
    // Called at the end of every handler but the tick, after textsChanged,
    // with what it did; a host that says nothing may ignore it.
    virtual void handled(const Outcome& /*outcome*/) {}
};

}  // namespace pelmora
