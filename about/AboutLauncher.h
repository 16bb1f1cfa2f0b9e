// Opens the About window for the main window's Help command: one About
// window at most, shown beside the main window without blocking it.
#pragma once

#include <QPointer>

#include "about/AboutWindow.h"
#include "about/LinkOpener.h"

namespace pelmora::about {

class AboutLauncher {
public:
    explicit AboutLauncher(LinkOpener openLink = desktopLinkOpener());

    // Shows the About window, building it first if none is open; if one is
    // open already, that same window comes to the front. A window built
    // here for `owner` (the window whose Help command asks) is tied to it
    // where the compositor places windows (Wayland), and opens over it.
    void show(QWidget* owner = nullptr);

    // The open About window, or null once it has been closed.
    AboutWindow* window() const;

    // For "Quit": destroys an open About window at once, without a close
    // event. Merely dropping the launcher leaves the window open, so closing
    // the main window by its close box does not take the About window along.
    void closeWindow();

private:
    LinkOpener openLink_;
    QPointer<AboutWindow> window_;
};

}  // namespace pelmora::about
