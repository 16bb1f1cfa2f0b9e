// What the rules ask of the window system, done with Qt and SDL: painting the
// board, showing the status texts, telling a screen reader what a handler
// did, playing a sound to its end, the modal message box, the program's
// folder.
#pragma once

#include <functional>

#include "game/Host.h"

namespace pelmora {

class SoundPlayer;

class WindowHost final : public Host {
public:
    // `paint` draws the board on the surface; it is called for every redraw.
    // `showTexts` puts changed status texts into the labels; `tell` says
    // what a handler did.
    WindowHost(SoundPlayer& sound, std::function<void(const Board&)> paint,
               std::function<void(const StatusTexts&)> showTexts, std::function<void(const Outcome&)> tell)
        : sound_(sound), paint_(std::move(paint)), showTexts_(std::move(showTexts)), tell_(std::move(tell)) {}

    void paintBoard(const Board& board) override { paint_(board); }
    void textsChanged(const StatusTexts& texts) override { showTexts_(texts); }
    void handled(const Outcome& outcome) override { tell_(outcome); }
    void playSoundAndWait(const std::string& path) override;
    void showMessage(const std::string& text, const std::string& title) override;
    std::string programFolder() const override;

private:
    SoundPlayer& sound_;
    std::function<void(const Board&)> paint_;
    std::function<void(const StatusTexts&)> showTexts_;
    std::function<void(const Outcome&)> tell_;
};

}  // namespace pelmora
