// What the rules ask of the window system, done by the web page: the board
// is painted on the page's canvas, the labels show the texts that changed,
// sounds play through the page's audio and are waited for, the message box
// is the page's own, the program's folder is the page's own address, and
// what a handler did goes to the page, which says it to a screen reader.
#pragma once

#include <string>

#include "game/Host.h"

namespace pelmora::web {

class BrowserHost final : public Host {
public:
    void paintBoard(const Board& board) override;
    // Suspends the running handler until the page reports the sound ended
    // (at most a few seconds); events that come meanwhile wait in the page.
    void playSoundAndWait(const std::string& path) override;
    // Suspends the running handler until the box's OK has been pressed.
    void showMessage(const std::string& text, const std::string& title) override;
    // The page's address up to its last "/", without that "/".
    std::string programFolder() const override;
    // Puts the texts that differ from those last shown into their labels.
    void textsChanged(const StatusTexts& texts) override;
    // Hands the page the outcome's numbers, as JSON.
    void handled(const Outcome& outcome) override;

private:
    StatusTexts shown_;
    bool shownAny_ = false;
};

}  // namespace pelmora::web
