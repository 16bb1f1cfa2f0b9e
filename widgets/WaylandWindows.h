// What the game's windows do differently on Wayland, where the compositor,
// not the program, places windows, and where Qt draws the window frame
// itself unless the compositor offers to. On every other platform these
// change nothing.
#pragma once

class QWidget;

namespace pelmora::wayland {

// True when the program runs as a Wayland client.
bool isWayland();

// Gives the fixed-size `window` the game's own title bar (TitleBar) in place
// of Qt's fallback frame, which offers maximise and minimise on every
// window: the window grows by the bar's height and its contents move down
// by as much. Call once its contents and size are final, before it shows.
void frameWindow(QWidget& window);

// Makes `dialog` a transient child of `owner`, so that the compositor
// places it over its owner and keeps it there. When the owner closes, the
// dialog becomes a window of its own again, still on screen, and counts as
// one when the program decides whether its last window has gone. Call
// before the dialog is first shown.
void attachToOwner(QWidget& dialog, QWidget& owner);

}  // namespace pelmora::wayland
