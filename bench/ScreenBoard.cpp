#include "ScreenBoard.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "game/Geometry.h"
#include "ui/MainLayout.h"
#include "widgets/Twips.h"

// Last: Xlib's macros (None, Bool, Status...) clash with Qt's headers.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace pelmora::bench {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr auto kLookAgain = 20ms;
constexpr auto kSettledFor = 300ms;  // three ticks without a change
constexpr int kLeftButton = 1;
// A pixel this dark on every channel is the black background.
constexpr unsigned kDarkest = 40;
// Where a cell's look is read, in pixels from its corner: the middle of the
// box, and the margin that is black around a plain box and bevelled around
// a highlighted one.
constexpr int kMiddleX = 23, kMiddleY = 24, kMarginX = 1, kMarginY = 1;

int pixels(int twips) { return twips::toPixels(twips); }

bool isDark(const XImage* image, unsigned long pixel) {
    auto channel = [pixel](unsigned long mask) {
        unsigned long value = pixel & mask;
        while (mask && !(mask & 1)) {
            mask >>= 1;
            value >>= 1;
        }
        return static_cast<unsigned>(value);
    };
    return channel(image->red_mask) < kDarkest && channel(image->green_mask) < kDarkest &&
           channel(image->blue_mask) < kDarkest;
}

std::optional<long> processOf(Display* display, Window window) {
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", True);
    if (pidAtom == None) return std::nullopt;
    Atom type;
    int format;
    unsigned long count, remaining;
    unsigned char* data = nullptr;
    std::optional<long> pid;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &remaining, &data) == Success &&
        data && count == 1 && format == 32)
        pid = *reinterpret_cast<long*>(data);
    if (data) XFree(data);
    return pid;
}

}  // namespace

ScreenBoard::ScreenBoard() : display_(XOpenDisplay(nullptr)) {
    int event, error, major, minor;
    if (!display_ || !XTestQueryExtension(display_, &event, &error, &major, &minor)) {
        std::fprintf(stderr, "press_latency: needs an X server with XTest ($DISPLAY)\n");
        std::exit(1);
    }
    root_ = DefaultRootWindow(display_);
}

ScreenBoard::~ScreenBoard() { XCloseDisplay(display_); }

bool ScreenBoard::attach(pid_t pid, std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (Clock::now() < deadline) {
        Window rootReturn, parent, *children = nullptr;
        unsigned count = 0;
        XQueryTree(display_, root_, &rootReturn, &parent, &children, &count);
        std::optional<Window> found;
        for (unsigned i = 0; i < count && !found; ++i) {
            XWindowAttributes attributes;
            if (processOf(display_, children[i]) == pid &&
                XGetWindowAttributes(display_, children[i], &attributes) &&
                attributes.map_state == IsViewable &&
                attributes.height >= pixels(layout::kClientHeight))
                found = children[i];
        }
        if (children) XFree(children);
        if (found) {
            XWindowAttributes attributes;
            XGetWindowAttributes(display_, *found, &attributes);
            Window child;
            int x, y;
            XTranslateCoordinates(display_, *found, root_, 0, 0, &x, &y, &child);
            // The client area is the window below its menu bar.
            const int clientTop = y + attributes.height - pixels(layout::kClientHeight);
            boardX_ = x + pixels(layout::kDest.left);
            boardY_ = clientTop + pixels(layout::kDest.top);
            return waitForFullBoard(deadline);
        }
        std::this_thread::sleep_for(kLookAgain);
    }
    return false;
}

// A new game's board is full: its first frame is on the screen once every
// cell shows a box.
bool ScreenBoard::waitForFullBoard(Clock::time_point deadline) const {
    while (Clock::now() < deadline) {
        const BoardLook look = read();
        if (std::none_of(look.begin(), look.end(), [](const CellLook& cell) { return cell.empty; }))
            return true;
        std::this_thread::sleep_for(kLookAgain);
    }
    return false;
}

int ScreenBoard::cellX(int column) const { return boardX_ + pixels(cellRect({0, column}).left); }
int ScreenBoard::cellY(int row) const { return boardY_ + pixels(cellRect({row, 0}).top); }

BoardLook ScreenBoard::read() const {
    const CellRect beyond = cellRect({kRows, kColumns});  // the grid's far corner
    const int width = pixels(beyond.left);
    const int height = pixels(beyond.top);
    XImage* image = XGetImage(display_, root_, boardX_, boardY_, width, height, AllPlanes, ZPixmap);
    BoardLook look{};
    if (!image) return look;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const int x = cellX(column) - boardX_, y = cellY(row) - boardY_;
            const unsigned long middle = XGetPixel(image, x + kMiddleX, y + kMiddleY);
            CellLook& cell = look[row * kColumns + column];
            cell.empty = isDark(image, middle);
            if (cell.empty) continue;
            cell.colour = middle;
            cell.highlighted = !isDark(image, XGetPixel(image, x + kMarginX, y + kMarginY));
        }
    }
    XDestroyImage(image);
    return look;
}

BoardLook ScreenBoard::readSettled(std::chrono::milliseconds timeout) const {
    const auto deadline = Clock::now() + timeout;
    BoardLook last = read();
    auto unchangedSince = Clock::now();
    while (Clock::now() < deadline && Clock::now() - unchangedSince < kSettledFor) {
        std::this_thread::sleep_for(kLookAgain);
        const BoardLook now = read();
        if (now != last) {
            last = now;
            unchangedSince = Clock::now();
        }
    }
    return last;
}

void ScreenBoard::pointAt(int row, int column) const {
    XTestFakeMotionEvent(display_, -1, cellX(column) + kMiddleX, cellY(row) + kMiddleY, CurrentTime);
    XSync(display_, False);
}

void ScreenBoard::pressButton() const {
    XTestFakeButtonEvent(display_, kLeftButton, True, CurrentTime);
    XFlush(display_);
}

void ScreenBoard::releaseButton() const {
    XTestFakeButtonEvent(display_, kLeftButton, False, CurrentTime);
    XSync(display_, False);
}

std::vector<char> ScreenBoard::cellPixels(int row, int column) const {
    XImage* image = XGetImage(display_, root_, cellX(column), cellY(row), pixels(kCellWidth),
                              pixels(kCellHeight), AllPlanes, ZPixmap);
    if (!image) return {};
    std::vector<char> bytes(image->data, image->data + image->bytes_per_line * image->height);
    XDestroyImage(image);
    return bytes;
}

}  // namespace pelmora::bench
