#include "about/ApplicationPointer.h"

#include <QApplication>
#include <QCursor>

namespace pelmora::about::applicationPointer {

void showCustom() {
    if (QApplication::overrideCursor() != nullptr)
        QApplication::changeOverrideCursor(QCursor(kCustomPointer));
    else
        QApplication::setOverrideCursor(QCursor(kCustomPointer));
}

}  // namespace pelmora::about::applicationPointer
