#include "BoxShading.h"

#include <cmath>

#include "Palette.h"

namespace pelmora::assetgen {

namespace {
// How far the glow at the top middle moves towards white.
constexpr double kHighlightStrength = 0.42;
// Horizontal and vertical reach of that glow, as fractions of the box.
constexpr double kHighlightReachX = 0.5;
constexpr double kHighlightReachY = 0.7;
// Colour of the deepest shadow, relative to the base colour.
constexpr double kShadowDepth = 0.6;
// Where along the top-left to bottom-right diagonal the shadow begins.
constexpr double kShadowStart = 0.35;
}  // namespace

Rgb shadeBox(const Rgb& base, const DesignRect& box, double u, double v) {
    const double nx = (u - box.x) / box.width;
    const double ny = (v - box.y) / box.height;

    const double dx = (nx - 0.5) / kHighlightReachX;
    const double dy = (ny + 0.08) / kHighlightReachY;
    const double highlight = std::exp(-(dx * dx + dy * dy));

    // 0 along the top edge, 1 in the bottom-right corner; leaning towards the
    // right so the bottom-left keeps more of its colour than the bottom-right.
    const double diagonal = (0.55 * nx + ny) / 1.55;
    const double shadow = smoothstep(kShadowStart, 1.0, diagonal);

    Rgb c = mix(base, palette::kWhite, kHighlightStrength * highlight);
    return mix(c, scaled(base, kShadowDepth), shadow);
}

}  // namespace pelmora::assetgen
