#include "about/AboutLauncher.h"

namespace pelmora::about {

AboutLauncher::AboutLauncher(LinkOpener openLink) : m_openLink(std::move(openLink)) {}

void AboutLauncher::show() {
    if (m_window.isNull()) {
        m_window = new AboutWindow(m_openLink);
        m_window->show();
        return;
    }
    // Already open, perhaps behind the main window: bring it forward.
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

AboutWindow* AboutLauncher::window() const { return m_window.data(); }

void AboutLauncher::closeWindow() { delete m_window.data(); }

}  // namespace pelmora::about
