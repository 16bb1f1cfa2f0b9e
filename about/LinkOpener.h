// How the About window hands a link to the desktop. Kept replaceable so the
// links can be followed without starting a browser or a mail program.
#pragma once

#include <QUrl>

#include <functional>

namespace pelmora::about {

// Opens a link; true if the desktop took it. The window ignores the answer:
// a link that cannot be opened fails silently.
using LinkOpener = std::function<bool(const QUrl&)>;

// The real one: the desktop's web browser or mail program.
LinkOpener desktopLinkOpener();

}  // namespace pelmora::about
