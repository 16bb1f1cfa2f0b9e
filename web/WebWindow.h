// `main` in the web page: the game with its host, random source and clock.
// The page forwards each event here, one at a time; the game tells the host
// what to paint and which texts changed.
#pragma once

#include "game/Game.h"
#include "game/RandomSource.h"
#include "web/BrowserHost.h"

namespace pelmora::web {

class WebWindow {
public:
    WebWindow();

    // Deals and draws the first board and shows every label's text.
    void load() { game_.Form_Load(); }
    void press(int button, int shift, float x, float y);
    void tick() { game_.Timer1_Timer(); }
    void levelUp() { game_.Label3_Click(); }
    void reset() { game_.mnuFileNew_Click(); }

private:
    BrowserHost host_;
    MixingGenerator generator_;  // first state from the browser's entropy source
    SystemLocalClock clock_;
    RandomSource random_;
    Game game_;
};

}  // namespace pelmora::web
