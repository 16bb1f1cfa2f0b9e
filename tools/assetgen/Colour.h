// Colours as real-valued RGB (0..255) so shading can blend before rounding.
#pragma once

#include <QRgb>

#include <algorithm>
#include <cmath>

namespace pelmora::assetgen {

struct Rgb {
    double r = 0;
    double g = 0;
    double b = 0;
};

// t = 0 gives `from`, t = 1 gives `to`.
inline Rgb mix(const Rgb& from, const Rgb& to, double t) {
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
            from.b + (to.b - from.b) * t};
}

inline Rgb scaled(const Rgb& c, double factor) {
    return {c.r * factor, c.g * factor, c.b * factor};
}

inline QRgb toQRgb(const Rgb& c) {
    auto channel = [](double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0))); };
    return qRgb(channel(c.r), channel(c.g), channel(c.b));
}

inline double smoothstep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

}  // namespace pelmora::assetgen
