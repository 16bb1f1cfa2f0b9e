// Writes a picture in the raw form of ui/RawPictureFormat.h; the build
// compiles the pictures shown at every start in this form.
// Usage: pelmora_rawpicture IN.png OUT.raw
#include <QFile>
#include <QImage>
#include <QString>
#include <cstdio>

#include "ui/RawPictureFormat.h"

int main(int argc, char* argv[]) {
    using namespace pelmora;
    if (argc != 3) {
        std::fprintf(stderr, "usage: pelmora_rawpicture IN.png OUT.raw\n");
        return 2;
    }
    const QImage source(QString::fromLocal8Bit(argv[1]));
    // The raw form has no transparency: a picture that needs it must stay a PNG.
    if (source.isNull() || source.hasAlphaChannel() || source.width() > int(raw::kLargestSide) ||
        source.height() > int(raw::kLargestSide)) {
        std::fprintf(stderr, "pelmora_rawpicture: %s is not an opaque picture\n", argv[1]);
        return 1;
    }
    const QImage picture = source.convertToFormat(QImage::Format_RGB32);
    const std::uint32_t header[raw::kHeaderWords] = {
        raw::kMagic, std::uint32_t(picture.width()), std::uint32_t(picture.height()), 0};
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 1;
    out.write(reinterpret_cast<const char*>(header), raw::kHeaderBytes);
    for (int row = 0; row < picture.height(); ++row)
        out.write(reinterpret_cast<const char*>(picture.constScanLine(row)),
                  qsizetype(picture.width()) * raw::kBytesPerPixel);
    return out.error() == QFileDevice::NoError ? 0 : 1;
}
