#include "BackgroundArtist.h"

#include <algorithm>
#include <cmath>

#include "CrackedTiles.h"
#include "Palette.h"
#include "PixelCanvas.h"

namespace pelmora::assetgen {

namespace {
// First design row of each band; the window's labels are placed on them.
constexpr double kNavyLineTop = 48;
constexpr double kLegendBandTop = 56;
constexpr double kFadeTop = 104;
constexpr double kBlackTop = 112;

constexpr std::uint64_t kTileLayoutSeed = 0x50454C4D4F5241ULL;

// The blue band's sides glow: near white across the outermost 4 pixels,
// dying away over the next few.
constexpr double kGlowSolidWidth = 4;
constexpr double kGlowFadeWidth = 3.5;
constexpr double kGlowEdgeStrength = 0.97;
constexpr double kGlowInnerStrength = 0.85;

// Below the blue band the navy fades out to nearly nothing before the black.
constexpr double kFadeEndStrength = 0.06;

Rgb navyLine(double v) {
    // A touch deeper along its top and bottom rows, so it reads as a groove.
    const double fromMiddle = std::abs(v - (kNavyLineTop + kLegendBandTop) / 2) /
                              ((kLegendBandTop - kNavyLineTop) / 2);
    return mix(palette::kNavyLine, palette::kBlack, 0.35 * fromMiddle * fromMiddle);
}

Rgb legendBand(double u, double v, double width) {
    const double down = (v - kLegendBandTop) / (kFadeTop - kLegendBandTop);
    const Rgb band = mix(palette::kLegendBandTop, palette::kLegendBandBottom, down);

    const double fromSide = std::min(u, width - u);
    double glow = 0;
    if (fromSide < kGlowSolidWidth)
        glow = kGlowEdgeStrength -
               (kGlowEdgeStrength - kGlowInnerStrength) * fromSide / kGlowSolidWidth;
    else
        glow = kGlowInnerStrength * (1 - smoothstep(0, kGlowFadeWidth, fromSide - kGlowSolidWidth));
    return mix(band, palette::kLegendBandGlow, glow);
}

Rgb navyFade(double v) {
    const double down = (v - kFadeTop) / (kBlackTop - kFadeTop);
    return scaled(palette::kNavyFadeStart, 1 - (1 - kFadeEndStrength) * down);
}
}  // namespace

QImage drawBackground(int scale) {
    const double width = kBackgroundSize.width();
    const CrackedTiles tiles(width, kNavyLineTop, kTileLayoutSeed);
    const double pixelSize = 1.0 / scale;
    return renderOpaque(kBackgroundSize, scale, [&](double u, double v) {
        if (v < kNavyLineTop)
            return tiles.colourAt(u, v, pixelSize);
        if (v < kLegendBandTop)
            return navyLine(v);
        if (v < kFadeTop)
            return legendBand(u, v, width);
        if (v < kBlackTop)
            return navyFade(v);
        return palette::kBlack;
    });
}

}  // namespace pelmora::assetgen
