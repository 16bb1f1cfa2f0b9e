#include "ui/FocusAnnouncer.h"

#include <QAccessible>
#include <QEvent>
#include <QWidget>

#include "ui/BoardSurface.h"

namespace pelmora {

FocusAnnouncer::FocusAnnouncer(QWidget* window, BoardSurface* board)
    : QObject(window), window_(window), board_(board) {}

void FocusAnnouncer::say(const QString& sentence, When when) {
    if (sentence.isEmpty() || !QAccessible::isActive()) return;
    // Where the player is, or will be again once a menu or a box has closed.
    QWidget* target = window_->focusWidget();
    if (target == board_)
        BoardAccessible::tell(board_, sentence, when);
    else if (target)
        tellWidget(target, sentence);
}

void FocusAnnouncer::tellWidget(QWidget* widget, const QString& sentence) {
    if (told_ && told_ != widget) told_->setAccessibleDescription({});
    told_ = widget;
    widget->installEventFilter(this);
    widget->setAccessibleDescription(sentence);
    if (!widget->hasFocus()) return;  // said when the focus comes back
    // Still focused: Orca presents it again only as a new object. Made once
    // the event that brought the news is done with the widget: a key event
    // still on its way to the widget goes astray if its object is replaced
    // under it.
    QMetaObject::invokeMethod(
        this,
        [widget = QPointer<QWidget>(widget)] {
            if (!widget || !widget->hasFocus()) return;
            if (QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(widget))
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(shown));
            QAccessibleEvent focus(widget, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        },
        Qt::QueuedConnection);
}

bool FocusAnnouncer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && watched == told_) {
        told_->removeEventFilter(this);
        told_->setAccessibleDescription({});
        told_ = nullptr;
    }
    return false;
}

}  // namespace pelmora
