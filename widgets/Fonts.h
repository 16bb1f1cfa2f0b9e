// The game's fonts, by the names it was designed with, mapped onto free fonts
// from Debian's font packages at the same sizes and weights.
#pragma once

#include <QFont>
#include <QString>

namespace pelmora::fonts {

// "MS Sans Serif" and "Arial" -> Liberation Sans, "Arial Black" -> Liberation
// Sans at black weight, "Verdana" and "Small Fonts" -> DejaVu Sans.
QString substituteFamily(const QString& designFamily);

// A font of the design family at `points` (fractions allowed) and `weight`.
QFont make(const QString& designFamily, double points, QFont::Weight weight = QFont::Normal);

}  // namespace pelmora::fonts
