#include "widgets/Fonts.h"

#include <QHash>

namespace pelmora::fonts {

QString substituteFamily(const QString& designFamily) {
    static const QHash<QString, QString> substitutes = {
        {"MS Sans Serif", "Liberation Sans"}, {"Arial", "Liberation Sans"},
        {"Arial Black", "Liberation Sans"},   {"Verdana", "DejaVu Sans"},
        {"Small Fonts", "DejaVu Sans"},
    };
    return substitutes.value(designFamily, designFamily);
}

QFont make(const QString& designFamily, double points, QFont::Weight weight) {
    QFont font(substituteFamily(designFamily));
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

}  // namespace pelmora::fonts
