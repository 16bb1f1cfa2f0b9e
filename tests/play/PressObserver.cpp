#include "PressObserver.h"

#include <QMouseEvent>

#include "GameUnderTest.h"
#include "ui/BoardSurface.h"

namespace pelmora::play {
namespace {

// The codes the rules take: left 1, right 2, middle 4, other buttons 0;
// Shift 1, Ctrl 2, Alt 4.
std::int16_t buttonCode(Qt::MouseButton button) {
    return button == Qt::LeftButton     ? 1
           : button == Qt::RightButton  ? 2
           : button == Qt::MiddleButton ? 4
                                        : 0;
}

std::int16_t keyCode(Qt::KeyboardModifiers keys) {
    return static_cast<std::int16_t>((keys & Qt::ShiftModifier ? 1 : 0) |
                                     (keys & Qt::ControlModifier ? 2 : 0) |
                                     (keys & Qt::AltModifier ? 4 : 0));
}

}  // namespace

PressObserver::PressObserver(GameUnderTest& game, Referee& referee) : referee_(referee) {
    game.dest().installEventFilter(this);
    // Connected after the window's own handler, so this runs once the rules
    // and the labels are done with the press.
    connect(&game.dest(), &BoardSurface::pressed, this,
            [this](std::int16_t button, std::int16_t shift, float x, float y) {
                onPressed(button, shift, x, y);
            });
}

bool PressObserver::eventFilter(QObject*, QEvent* event) {
    // A double-click stands in for the second press of the pair and is not
    // a press of its own.
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        ++delivered_;
        waiting_.push_back({referee_.observe(), mouse->position(), buttonCode(mouse->button()),
                            keyCode(mouse->modifiers())});
    }
    return false;
}

void PressObserver::onPressed(std::int16_t button, std::int16_t shift, float x, float y) {
    ++handedOn_;
    if (waiting_.empty()) {
        referee_.fail("the surface reported a press it was never given");
        return;
    }
    const Delivered press = waiting_.front();
    waiting_.pop_front();
    const double expectedX = press.pixel.x() * 15, expectedY = press.pixel.y() * 15;
    if (x != static_cast<float>(expectedX) || y != static_cast<float>(expectedY))
        referee_.fail("a press at pixel (" + std::to_string(press.pixel.x()) + ", " +
                      std::to_string(press.pixel.y()) + ") reached the rules at (" +
                      std::to_string(x) + ", " + std::to_string(y) + ") twips");
    if (button != press.button || shift != press.shift)
        referee_.fail("a press with button " + std::to_string(press.button) + " and keys " +
                      std::to_string(press.shift) + " reached the rules as " +
                      std::to_string(button) + " and " + std::to_string(shift));
    referee_.checkPress(press.before, x, y);
}

}  // namespace pelmora::play
