#include "BevelFrame.h"

#include <array>

#include "Palette.h"

namespace pelmora::assetgen {

namespace {
// Outermost first. Every ring is one design pixel wide except the light
// lavender face, which takes up whatever the side has left.
constexpr std::array<Rgb, 5> kRings{
    palette::kFrameLavenderGrey, palette::kFrameWhite, palette::kFrameLightLavender,
    palette::kFrameDarkNavy, palette::kFrameVeryDarkNavy};
constexpr int kFaceRing = 2;
constexpr double kThinRingWidth = 1.0;

// Light falls from the top left: how far each side moves towards white
// (positive) or black (negative).
constexpr double kSideLight[] = {+0.2, +0.35, -0.2, -0.32};  // left, top, right, bottom
// How strongly each ring takes that light. The outer rings stand up from the
// picture; the navy rings are the well the box sits in, so they take the light
// the other way round, darkest along the top and left.
constexpr std::array<double, 5> kRingRelief{0.5, 0.45, 1.0, -0.6, -0.4};
}  // namespace

BevelFrame::BevelFrame(const DesignRect& outer, const DesignRect& box)
    : thickness_{box.x - outer.x, box.y - outer.y, outer.right() - box.right(),
                 outer.bottom() - box.bottom()},
      outerWidth_(outer.width),
      outerHeight_(outer.height) {}

double BevelFrame::ringWidth(Side side, int ring) const {
    if (ring != kFaceRing)
        return kThinRingWidth;
    return thickness_[side] - (kRings.size() - 1) * kThinRingWidth;
}

double BevelFrame::ringStart(Side side, int ring) const {
    double start = 0;
    for (int r = 0; r < ring; ++r)
        start += ringWidth(side, r);
    return start;
}

int BevelFrame::ringOnSide(Side side, double depth) const {
    for (int ring = 0; ring < static_cast<int>(kRings.size()); ++ring) {
        if (depth < ringStart(side, ring) + ringWidth(side, ring))
            return ring;
    }
    return static_cast<int>(kRings.size()) - 1;
}

Rgb BevelFrame::colourAt(double u, double v) const {
    const double depth[kSideCount] = {u, v, outerWidth_ - u, outerHeight_ - v};

    // A point lies in the outermost ring that any side puts it in.
    int ring = static_cast<int>(kRings.size());
    for (int s = 0; s < kSideCount; ++s)
        ring = std::min(ring, ringOnSide(static_cast<Side>(s), depth[s]));

    // Of the sides that put it there, the one it is relatively nearest to the
    // outer edge of owns it: this draws the mitre. Ties go to the shaded side,
    // so the dark edges run the full length as on a raised button.
    Side owner = kLeft;
    double best = 2.0;
    for (int s = kSideCount - 1; s >= 0; --s) {
        const auto side = static_cast<Side>(s);
        if (ringOnSide(side, depth[s]) != ring)
            continue;
        const double into = (depth[s] - ringStart(side, ring)) / ringWidth(side, ring);
        if (into < best) {
            best = into;
            owner = side;
        }
    }

    const Rgb base = kRings[ring];
    const double light = kSideLight[owner] * kRingRelief[ring];
    return light >= 0 ? mix(base, palette::kWhite, light) : mix(base, palette::kBlack, -light);
}

}  // namespace pelmora::assetgen
