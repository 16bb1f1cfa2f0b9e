// The raised frame that marks a selected box: five rings from the picture's
// edge in to the box, each side lit or shaded as if light fell from the top
// left, with mitred corners.
#pragma once

#include "Colour.h"
#include "PixelCanvas.h"

namespace pelmora::assetgen {

class BevelFrame {
public:
    // `outer` is the whole picture, `box` the coloured box inside it; the
    // frame fills the margin between them, whatever its width on each side.
    BevelFrame(const DesignRect& outer, const DesignRect& box);

    // Colour at design point (u, v), which lies in the margin.
    Rgb colourAt(double u, double v) const;

private:
    enum Side { kLeft, kTop, kRight, kBottom, kSideCount };

    int ringOnSide(Side side, double depth) const;
    double ringStart(Side side, int ring) const;
    double ringWidth(Side side, int ring) const;

    double thickness_[kSideCount];
    double outerWidth_;
    double outerHeight_;
};

}  // namespace pelmora::assetgen
