// Every position and size on the windows is given in twips (15 to a pixel at
// 96 dpi); this is the one place that turns them into Qt's logical pixels.
#pragma once

#include <QRect>
#include <QRectF>
#include <QSize>

namespace pelmora {

// 15 twips to a pixel at 96 dpi.
inline constexpr int kTwipsPerPixel = 15;

}  // namespace pelmora

namespace pelmora::twips {

constexpr int toPixels(int twips) { return twips / kTwipsPerPixel; }
constexpr double toPixelsF(double twips) { return twips / kTwipsPerPixel; }
constexpr double fromPixelsF(double pixels) { return pixels * kTwipsPerPixel; }

inline QSize size(int width, int height) { return QSize(toPixels(width), toPixels(height)); }

}  // namespace pelmora::twips

namespace pelmora {

// A control's place on its window: left, top, width and height in twips
// from the top-left corner of its parent's client area.
struct TwipsRect {
    int left, top, width, height;
    QRect toPixels() const {
        return QRect(twips::toPixels(left), twips::toPixels(top), twips::toPixels(width),
                     twips::toPixels(height));
    }
    QRectF toPixelsF() const {
        return QRectF(twips::toPixelsF(left), twips::toPixelsF(top), twips::toPixelsF(width),
                      twips::toPixelsF(height));
    }
};

}  // namespace pelmora
