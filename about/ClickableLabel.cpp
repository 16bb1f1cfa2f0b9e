#include "about/ClickableLabel.h"

#include <QMouseEvent>

namespace pelmora::about {

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    m_pressedHere = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasClick = m_pressedHere && event->button() == Qt::LeftButton &&
                          rect().contains(event->position().toPoint());
    m_pressedHere = false;
    QLabel::mouseReleaseEvent(event);
    if (wasClick)
        emit clicked();
}

}  // namespace pelmora::about
