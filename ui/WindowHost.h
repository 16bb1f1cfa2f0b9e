// What the rules ask of the window system, done with Qt and SDL: painting the
// board, playing a sound to its end, the modal message box, the program's
// folder.
#pragma once

#include <functional>

#include "game/Host.h"

namespace pelmora {

class SoundPlayer;

class WindowHost final : public Host {
public:
    // `paint` draws the board on the surface; it is called for every redraw.
    WindowHost(std::function<void(const Board&)> paint, SoundPlayer& sound)
        : paint_(std::move(paint)), sound_(sound) {}

    void paintBoard(const Board& board) override { paint_(board); }
    void playSoundAndWait(const std::string& path) override;
    void showMessage(const std::string& text, const std::string& title) override;
    std::string programFolder() const override;

private:
    std::function<void(const Board&)> paint_;
    SoundPlayer& sound_;
};

}  // namespace pelmora
