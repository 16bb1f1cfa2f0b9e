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
    const int code = key->key();
    if (!press) {
        lastRelease_.insert(code, key->timestamp());
        return key->isAutoRepeat();
    }
    // A repeat. Under X11 a held key repeats as a release and a press at the
    // same moment, which Qt does not always mark as a repeat; a press the
    // player makes comes later than the release before it.
    const auto released = lastRelease_.constFind(code);
    return key->isAutoRepeat() || (released != lastRelease_.cend() && *released == key->timestamp());
}

}  // namespace pelmora
