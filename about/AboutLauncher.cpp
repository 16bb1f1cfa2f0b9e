#include "about/AboutLauncher.h"

#include "widgets/WaylandWindows.h"

namespace pelmora::about {

AboutLauncher::AboutLauncher(LinkOpener openLink) : openLink_(std::move(openLink)) {}

void AboutLauncher::show(QWidget* owner) {
    if (window_.isNull()) {
        window_ = new AboutWindow(openLink_);
        if (owner != nullptr) wayland::attachToOwner(*window_, *owner);
        window_->show();
        return;
    }
    // Already open, perhaps behind the main window: bring it forward.
    window_->show();
    window_->raise();
    window_->activateWindow();
}

AboutWindow* AboutLauncher::window() const { return window_.data(); }

void AboutLauncher::closeWindow() { delete window_.data(); }

}  // namespace pelmora::about
