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

QFont make(const FontSpec& spec) {
    QFont font(substituteFamily(QString::fromLatin1(spec.family)));
    font.setPointSizeF(spec.points);
    font.setWeight(spec.weight);
    return font;
}

}  // namespace pelmora::fonts
