// The game's pictures, compiled in as resources, at the resolution the
// screen wants: the double-size drawings where a logical pixel is two or more
// device pixels.
#pragma once

#include <QPixmap>
#include <QString>

namespace pelmora::pictures {

// `name` without extension, e.g. "background", "b", "legend_r".
QPixmap load(const QString& name, qreal devicePixelRatio);

}  // namespace pelmora::pictures
