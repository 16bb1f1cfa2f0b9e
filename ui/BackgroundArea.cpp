#include "ui/BackgroundArea.h"

#include <QPainter>

namespace pelmora {

BackgroundArea::BackgroundArea(QPixmap background, QWidget* parent)
    : QWidget(parent), background_(std::move(background)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BackgroundArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawPixmap(0, 0, background_);
}

}  // namespace pelmora
