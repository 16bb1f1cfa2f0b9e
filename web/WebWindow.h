// `main` in the web page: the game with its host, random source and clock.
// The page forwards each event here, one at a time, and is shown the status
// texts that changed once the handler has ended.
#pragma once

#include "game/Game.h"
#include "game/RandomSource.h"
#include "web/BrowserHost.h"

namespace pelmora::web {

class WebWindow {
public:
    WebWindow();

    // Deals and draws the first board and shows every label's text.
    void load();
    void press(int button, int shift, float x, float y);
    void tick();
    void levelUp();
    void reset();

private:
    void showTexts();

    BrowserHost host_;
    MixingGenerator generator_;  // first state from the browser's entropy source
    SystemLocalClock clock_;
    RandomSource random_;
    Game game_;
    StatusTexts shown_;
    bool shownAny_ = false;
};

}  // namespace pelmora::web
