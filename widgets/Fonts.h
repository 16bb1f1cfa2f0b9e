// The game's fonts, by the names it was designed with, mapped onto free fonts
// from Debian's font packages at the same sizes and weights.
#pragma once

#include <QFont>
#include <QString>

namespace pelmora {

// A font as the windows were designed with it; each window's layout names
// its own.
struct FontSpec {
    const char* family;
    double points;  // fractions allowed
    QFont::Weight weight = QFont::Normal;
};

}  // namespace pelmora

namespace pelmora::fonts {

// "MS Sans Serif" and "Arial" -> Liberation Sans, "Arial Black" -> Liberation
// Sans at black weight, "Verdana" and "Small Fonts" -> DejaVu Sans.
QString substituteFamily(const QString& designFamily);

// The free font that stands in for `spec`, at its size and weight.
QFont make(const FontSpec& spec);

}  // namespace pelmora::fonts
