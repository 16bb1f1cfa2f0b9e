#include "ui/FreshKeysOnly.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace pelmora {

FreshKeysOnly::FreshKeysOnly(QWidget& box) : box_(box) { qApp->installEventFilter(this); }

FreshKeysOnly::~FreshKeysOnly() { qApp->removeEventFilter(this); }

bool FreshKeysOnly::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::KeyPress;
    if (!press && event->type() != QEvent::KeyRelease) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || (widget != &box_ && !box_.isAncestorOf(widget))) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->isAutoRepeat()) return true;
    if (press) {
        pressedHere_.insert(key->key());
        return false;
    }
    // The release of a key that went down before the box opened.
    return !pressedHere_.contains(key->key());
}

}  // namespace pelmora
