// Every position and size on the windows is given in twips (15 to a pixel at
// 96 dpi); this is the one place that turns them into Qt's logical pixels.
#pragma once

#include <QRect>
#include <QSize>

namespace pelmora {

// 15 twips to a pixel at 96 dpi.
inline constexpr int kTwipsPerPixel = 15;

}  // namespace pelmora

namespace pelmora::twips {

constexpr int toPixels(int twips) { return twips / kTwipsPerPixel; }
constexpr double toPixelsF(double twips) { return twips / kTwipsPerPixel; }
constexpr int fromPixels(int pixels) { return pixels * kTwipsPerPixel; }
constexpr double fromPixelsF(double pixels) { return pixels * kTwipsPerPixel; }

inline QRect rect(int left, int top, int width, int height) {
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}
inline QSize size(int width, int height) { return QSize(toPixels(width), toPixels(height)); }

}  // namespace pelmora::twips
