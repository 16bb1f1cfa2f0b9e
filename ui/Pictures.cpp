#include "ui/Pictures.h"

#include <QPainter>

namespace pelmora {
namespace {

constexpr qreal kSharpRatio = 2.0;

}  // namespace

Picture::Picture(QString name) : name_(std::move(name)) {}

const QPixmap& Picture::at(qreal devicePixelRatio) const {
    const QString base = QStringLiteral(":/pelmora/") + name_;
    if (devicePixelRatio > 1.0) {
        if (sharp_.isNull()) {
            sharp_.load(base + QStringLiteral("@2x.png"));
            sharp_.setDevicePixelRatio(kSharpRatio);
        }
        if (!sharp_.isNull()) return sharp_;
    }
    if (normal_.isNull()) normal_.load(base + QStringLiteral(".png"));
    return normal_;
}

PictureBox::PictureBox(const QString& name, QWidget* parent, QColor fill)
    : QWidget(parent), picture_(name), fill_(fill) {
    if (fill_.alpha() == 255) setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (fill_.alpha() != 0) painter.fillRect(rect(), fill_);
    painter.drawPixmap(0, 0, picture_.at(devicePixelRatioF()));
}

}  // namespace pelmora
