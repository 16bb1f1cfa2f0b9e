#include "ui/Pictures.h"

#include <QImageReader>
#include <QPainter>
#include <QResource>
#include <cstring>

#include "ui/RawPictureFormat.h"

namespace pelmora {
namespace {

constexpr qreal kSharpRatio = 2.0;

// A compiled-in picture, read as `format` ("png"); null if unreadable.
QPixmap readPicture(const QString& path, const char* format) {
    QImageReader reader(path, format);
    // Left to guess, the reader would load every image-format plugin on the
    // machine (GIF, ICO, JPEG...) to ask each about the file.
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace

QPixmap rawPicture(const QString& path) {
    const QResource resource(path);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() < raw::kHeaderBytes)
        return {};
    std::uint32_t header[raw::kHeaderWords];
    std::memcpy(header, resource.data(), raw::kHeaderBytes);
    const std::uint32_t width = header[1], height = header[2];
    if (header[0] != raw::kMagic || width == 0 || height == 0 || width > raw::kLargestSide ||
        height > raw::kLargestSide ||
        resource.size() != raw::kHeaderBytes + qint64(width) * height * raw::kBytesPerPixel)
        return {};
    const uchar* pixels = resource.data() + raw::kHeaderBytes;
    // Wraps the program's read-only data; copied only if it is not aligned
    // for 32-bit pixels.
    QImage image(pixels, int(width), int(height), qsizetype(width) * raw::kBytesPerPixel,
                 QImage::Format_RGB32);
    if (reinterpret_cast<quintptr>(pixels) % alignof(std::uint32_t) != 0) image = image.copy();
    return QPixmap::fromImage(std::move(image));
}

Picture::Picture(QString name) : name_(std::move(name)) {}

const QPixmap& Picture::at(qreal devicePixelRatio) const {
    const QString base = QStringLiteral(":/pelmora/") + name_;
    if (devicePixelRatio > 1.0) {
        if (sharp_.isNull()) {
            sharp_ = readPicture(base + QStringLiteral("@2x.png"), "png");
            sharp_.setDevicePixelRatio(kSharpRatio);
        }
        return sharp_;  // every picture comes in both resolutions; a test loads them all
    }
    // The build compiles the plain pictures in raw too: no decoding at start.
    if (normal_.isNull()) normal_ = rawPicture(base + QStringLiteral(".raw"));
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
