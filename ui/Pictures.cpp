#include "ui/Pictures.h"

#include <QImageReader>
#include <QPainter>

namespace pelmora {
namespace {

constexpr qreal kSharpRatio = 2.0;

}  // namespace

QPixmap readPicture(const QString& path, const char* format) {
    QImageReader reader(path, format);
    // Left to guess, the reader would load every image-format plugin on the
    // machine (GIF, ICO, JPEG...) to ask each about the file.
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

Picture::Picture(QString name) : name_(std::move(name)) {}

const QPixmap& Picture::at(qreal devicePixelRatio) const {
    const QString base = QStringLiteral(":/pelmora/") + name_;
    if (devicePixelRatio > 1.0) {
        if (sharp_.isNull()) {
            sharp_ = readPicture(base + QStringLiteral("@2x.png"), "png");
            sharp_.setDevicePixelRatio(kSharpRatio);
        }
        if (!sharp_.isNull()) return sharp_;
    }
    // The build compiles the plain pictures in raw too: no decoding at start.
    if (normal_.isNull()) normal_ = readPicture(base + QStringLiteral(".ppm"), "ppm");
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
