#include "EventPicker.h"

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace pelmora::play {
namespace {

// How often each move comes, out of the sum of the weights.
struct Weighted {
    Move move;
    int weight;
};
constexpr std::array<Weighted, 14> kMoves = {{
    {Move::DirectPress, 4300},
    {Move::DestPress, 500},
    {Move::DestClick, 1300},
    {Move::DestDoubleClick, 250},
    {Move::WindowClick, 150},
    {Move::Tick, 3000},
    {Move::Reset, 200},
    {Move::LevelUp, 150},
    {Move::LevelUpSlip, 20},
    {Move::Help, 6},
    {Move::AboutOk, 3},
    {Move::AboutCloseBox, 3},
    {Move::AboutLink, 3},
    {Move::Repaint, 60},
}};

// The drawn grid, in twips and in pixels of the surface.
constexpr double kLeft = 30, kTop = 75, kWide = 705, kTall = 720;
constexpr int kPixelLeft = 2, kPixelTop = 5, kPixelWide = 47, kPixelTall = 48;

constexpr Qt::MouseButton kButtons[] = {Qt::LeftButton, Qt::LeftButton,   Qt::LeftButton,
                                        Qt::LeftButton, Qt::RightButton,  Qt::MiddleButton,
                                        Qt::BackButton, Qt::ForwardButton};
constexpr Qt::KeyboardModifier kKeys[] = {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier,
                                          Qt::MetaModifier, Qt::KeypadModifier};

}  // namespace

PlayEvent EventPicker::next(const Board& board) {
    PlayEvent event;
    event.move = pickMove();
    switch (event.move) {
        case Move::DirectPress: pickDirectPress(event, board); break;
        case Move::DestPress:
            event.releaseAt = QPoint(below(targets_.dest.width()), below(targets_.dest.height()));
            [[fallthrough]];
        case Move::DestClick:
        case Move::DestDoubleClick:
            event.at = pickDestPixel(board);
            pickMouse(event);
            break;
        case Move::WindowClick:
            // Mostly on the board; otherwise anywhere below the menu bar,
            // "LEVEL UP", labels and pictures included.
            event.throughWindow = chance(70);
            event.at = event.throughWindow
                           ? pickDestPixel(board)
                           : QPoint(below(targets_.window.width()),
                                    targets_.menuBarHeight +
                                        below(targets_.window.height() - targets_.menuBarHeight));
            pickMouse(event);
            break;
        case Move::LevelUp: pickLevelUp(event); break;
        case Move::LevelUpSlip:
            event.at = QPoint(below(targets_.levelUp.width()), below(targets_.levelUp.height()));
            event.releaseAt = QPoint(targets_.levelUp.width() + below(50), -1 - below(30));
            break;
        case Move::AboutLink: event.link = below(3); break;
        default: break;
    }
    return event;
}

Move EventPicker::pickMove() {
    static const int total = [] {
        int sum = 0;
        for (const auto& entry : kMoves) sum += entry.weight;
        return sum;
    }();
    int draw = below(total);
    for (const auto& entry : kMoves) {
        if (draw < entry.weight) return entry.move;
        draw -= entry.weight;
    }
    return Move::Tick;
}

double EventPicker::uniform(double low, double high) {
    return low + (high - low) * (static_cast<double>(random_() >> 11) / 9007199254740992.0);
}

int EventPicker::pickCell(const Board& board) {
    std::vector<int> selected, boxes;
    for (int i = 0; i < kCells; ++i) {
        if (isSelectedBox(board.cells()[i])) selected.push_back(i);
        if (board.cells()[i] != 'X') boxes.push_back(i);
    }
    if (!selected.empty() && chance(35)) return selected[below(static_cast<int>(selected.size()))];
    if (!boxes.empty() && chance(75)) return boxes[below(static_cast<int>(boxes.size()))];
    return below(kCells);
}

void EventPicker::pickDirectPress(PlayEvent& event, const Board& board) {
    // The rules must take any button and key codes, even ones no mouse sends.
    event.buttonCode =
        chance(80) ? static_cast<std::int16_t>(1 << below(3))
                   : static_cast<std::int16_t>(static_cast<int>(random_() & 0xffff) - 32768);
    event.keyCode = chance(70)
                        ? static_cast<std::int16_t>(below(8))
                        : static_cast<std::int16_t>(static_cast<int>(random_() & 0xffff) - 32768);
    const int where = below(100);
    if (where < 60) {
        const int cell = pickCell(board);
        const int row = cell / kColumns, column = cell % kColumns;
        event.x = static_cast<float>(uniform(kLeft + column * kWide, kLeft + (column + 1) * kWide));
        event.y = static_cast<float>(uniform(kTop + row * kTall, kTop + (row + 1) * kTall));
    } else if (where < 82) {
        // Anywhere on the surface, margins included.
        event.x = static_cast<float>(uniform(0, 9255));
        event.y = static_cast<float>(uniform(0, 5250));
    } else if (where < 94) {
        // On a grid line or a hair either side of it.
        static constexpr double kNudges[] = {0, 0.5, -0.5, 1, -1, 1e-3, -1e-3};
        event.x = static_cast<float>(kLeft + below(15) * kWide + kNudges[below(7)]);
        event.y = static_cast<float>(kTop + below(9) * kTall + kNudges[below(7)]);
    } else {
        // Nowhere a mouse could be.
        static constexpr float kWild[] = {-1e30f,
                                          -65536.0f,
                                          -0.0f,
                                          1e30f,
                                          65536.0f,
                                          std::numeric_limits<float>::infinity(),
                                          -std::numeric_limits<float>::infinity(),
                                          std::numeric_limits<float>::quiet_NaN(),
                                          std::numeric_limits<float>::denorm_min()};
        event.x = chance(50) ? kWild[below(9)] : static_cast<float>(uniform(-1e6, 1e6));
        event.y = chance(50) ? kWild[below(9)] : static_cast<float>(uniform(-1e6, 1e6));
    }
}

QPoint EventPicker::pickDestPixel(const Board& board) {
    if (chance(35)) return QPoint(below(targets_.dest.width()), below(targets_.dest.height()));
    const int cell = pickCell(board);
    return QPoint(kPixelLeft + (cell % kColumns) * kPixelWide + below(kPixelWide),
                  kPixelTop + (cell / kColumns) * kPixelTall + below(kPixelTall));
}

void EventPicker::pickMouse(PlayEvent& event) {
    event.button = kButtons[below(static_cast<int>(std::size(kButtons)))];
    event.keys = Qt::NoModifier;
    if (chance(30))
        for (Qt::KeyboardModifier key : kKeys)
            if (chance(40)) event.keys |= key;
}

void EventPicker::pickLevelUp(PlayEvent& event) {
    const int setup = below(100);
    if (setup < 55) {
        event.setup = LevelUpSetup::PointsAroundThreshold;
        // Exactly enough, one short, or comfortably over.
        const int edge = below(10);
        event.pointsOverThreshold = edge == 0 ? 0 : edge == 1 ? -1 : below(300000);
    } else if (setup < 70) {
        event.setup = LevelUpSetup::AnyLevel;
        event.level = 1 + below(12);
    }
    event.at = QPoint(below(targets_.levelUp.width()), below(targets_.levelUp.height()));
    event.button = chance(92) ? Qt::LeftButton : kButtons[4 + below(4)];
    event.keys = chance(80) ? Qt::NoModifier : Qt::ShiftModifier;
    event.throughWindow = chance(20);
    event.answerWithEnter = chance(30);
}

}  // namespace pelmora::play
