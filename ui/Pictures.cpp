#include "ui/Pictures.h"

namespace pelmora::pictures {

QPixmap load(const QString& name, qreal devicePixelRatio) {
    const QString base = QStringLiteral(":/pelmora/") + name;
    if (devicePixelRatio > 1.0) {
        QPixmap sharp(base + QStringLiteral("@2x.png"));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap(base + QStringLiteral(".png"));
}

}  // namespace pelmora::pictures
