// Makes one move on the game and has the referee judge it.
#pragma once

#include "GameUnderTest.h"
#include "ModalAnswerer.h"
#include "PlayEvent.h"
#include "PressObserver.h"
#include "Referee.h"

namespace pelmora::play {

class PlayRunner {
public:
    explicit PlayRunner(GameUnderTest& game);

    // Makes the move and checks it; false once the referee has a fault.
    bool play(const PlayEvent& event);
    const std::string& fault() const { return referee_.fault(); }
    Referee& referee() { return referee_; }

private:
    void pressDirect(const PlayEvent& event, const Before& before);
    // Returns whether the window refreshed its labels.
    bool clickWindow(const PlayEvent& event, const Before& before);
    bool levelUp(const PlayEvent& event, Before before);
    void setUpLevelUp(const PlayEvent& event);
    void help(const Before& before);
    void aboutMove(const PlayEvent& event, const Before& before);

    GameUnderTest& game_;
    Referee referee_;
    PressObserver presses_;
    ModalAnswerer answerer_;
};

}  // namespace pelmora::play
