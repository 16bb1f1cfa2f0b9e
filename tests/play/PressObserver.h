// Watches the board surface from both sides: the mouse events the window
// system delivers to it, and the presses it hands on to the rules. Every
// delivered press must reach the rules exactly once, in twips, with the
// button and keys it was made with; the referee checks what each one did.
#pragma once

#include <QObject>
#include <QPointF>
#include <cstdint>
#include <deque>

#include "Referee.h"

namespace pelmora::play {

class GameUnderTest;

class PressObserver : public QObject {
public:
    PressObserver(GameUnderTest& game, Referee& referee);

    // Presses delivered to the surface and presses handed to the rules.
    long delivered() const { return delivered_; }
    long handedOn() const { return handedOn_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onPressed(std::int16_t button, std::int16_t shift, float x, float y);

    struct Delivered {
        Before before;
        QPointF pixel;
        std::int16_t button;
        std::int16_t shift;
    };
    Referee& referee_;
    std::deque<Delivered> waiting_;
    long delivered_ = 0;
    long handedOn_ = 0;
};

}  // namespace pelmora::play
