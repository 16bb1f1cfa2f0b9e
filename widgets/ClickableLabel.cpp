#include "widgets/ClickableLabel.h"

#include <QMouseEvent>

namespace pelmora {

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    pressedInside_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressedInside_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressedInside_ = false;
    event->accept();
    if (click) emit clicked();
}

}  // namespace pelmora
