// Renders a picture pixel by pixel from a function of design coordinates.
// A picture of design size W x H drawn at scale 2 has 2W x 2H pixels; each
// pixel is sampled at its centre in design units, so the double-size pictures
// are the same design drawn sharper rather than an enlarged copy.
#pragma once

#include <QImage>
#include <QSize>

#include <functional>

#include "Colour.h"

namespace pelmora::assetgen {

using Shader = std::function<Rgb(double u, double v)>;

struct DesignRect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    double right() const { return x + width; }
    double bottom() const { return y + height; }
    bool contains(double u, double v) const {
        return u >= x && u < right() && v >= y && v < bottom();
    }
};

QImage renderOpaque(QSize designSize, int scale, const Shader& shader);

}  // namespace pelmora::assetgen
