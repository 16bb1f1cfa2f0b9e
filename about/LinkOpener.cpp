#include "about/LinkOpener.h"

#include <QDesktopServices>

namespace pelmora::about {

LinkOpener desktopLinkOpener() {
    return [](const QUrl& link) { return QDesktopServices::openUrl(link); };
}

}  // namespace pelmora::about
