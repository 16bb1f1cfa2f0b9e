// Draws the random player's next move from a seed: mostly presses, aimed at
// boxes and at the selected group often enough to make removals common, but
// also at margins, gaps, grid lines and far off the board; ticks, Resets,
// LEVEL UP, the About window. The same seed gives the same moves.
#pragma once

#include <QSize>
#include <cstdint>
#include <random>

#include "PlayEvent.h"
#include "game/Board.h"

namespace pelmora::play {

// Sizes in pixels of what the player can click.
struct ClickTargets {
    QSize dest;
    QSize levelUp;
    QSize window;
    int menuBarHeight = 0;
};

class EventPicker {
public:
    EventPicker(std::uint64_t seed, ClickTargets targets) : random_(seed), targets_(targets) {}

    PlayEvent next(const Board& board);

private:
    Move pickMove();
    int below(int bound) { return static_cast<int>(random_() % static_cast<std::uint64_t>(bound)); }
    bool chance(int percent) { return below(100) < percent; }
    double uniform(double low, double high);
    // A cell worth pressing: often the selection, mostly boxes.
    int pickCell(const Board& board);
    void pickDirectPress(PlayEvent& event, const Board& board);
    QPoint pickDestPixel(const Board& board);
    void pickMouse(PlayEvent& event);
    void pickLevelUp(PlayEvent& event);

    std::mt19937_64 random_;
    ClickTargets targets_;
};

}  // namespace pelmora::play
