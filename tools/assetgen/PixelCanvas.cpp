#include "PixelCanvas.h"

namespace pelmora::assetgen {

QImage renderOpaque(QSize designSize, int scale, const Shader& shader) {
    QImage image(designSize * scale, QImage::Format_RGB32);
    for (int py = 0; py < image.height(); ++py) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        const double v = (py + 0.5) / scale;
        for (int px = 0; px < image.width(); ++px) {
            const double u = (px + 0.5) / scale;
            line[px] = toQRgb(shader(u, v));
        }
    }
    return image;
}

}  // namespace pelmora::assetgen
