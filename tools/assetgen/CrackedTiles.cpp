#include "CrackedTiles.h"

#include <cmath>
#include <limits>

#include "Palette.h"
#include "SplitMix.h"

namespace pelmora::assetgen {

namespace {
// Average tile size; rows of tiles are offset by half a tile like brickwork
// and every seed is pushed off its grid point to make the tiles irregular.
constexpr double kTilePitchX = 26;
constexpr double kTilePitchY = 17;
constexpr double kJitter = 0.42;  // fraction of the pitch
// Seeds continue past the strip so the tiles at its edges are cut, not shrunk.
constexpr double kOverhang = 2;  // in pitches

constexpr double kJointHalfWidth = 0.75;
constexpr double kEdgeWidth = 2.6;      // width of the raised rim inside a joint
constexpr double kEdgeStrength = 0.75;
constexpr double kToneSpread = 0.06;    // tiles differ by up to this much in brightness
// Direction the light comes from (top left, more top than left).
constexpr double kLightX = -0.45;
constexpr double kLightY = -0.89;
}  // namespace

CrackedTiles::CrackedTiles(double width, double height, std::uint64_t seed) {
    SplitMix random(seed);
    int row = 0;
    for (double y = -kOverhang * kTilePitchY; y < height + kOverhang * kTilePitchY;
         y += kTilePitchY, ++row) {
        const double rowShift = (row % 2) * kTilePitchX / 2;
        for (double x = -kOverhang * kTilePitchX; x < width + kOverhang * kTilePitchX;
             x += kTilePitchX) {
            const double jx = random.nextIn(-kJitter, kJitter) * kTilePitchX;
            const double jy = random.nextIn(-kJitter, kJitter) * kTilePitchY;
            const double tone = random.nextIn(-kToneSpread, kToneSpread);
            cells_.push_back({x + rowShift + jx, y + jy, tone});
        }
    }
}

Rgb CrackedTiles::colourAt(double u, double v, double pixelSize) const {
    // The nearest seed owns the point.
    const Cell* owner = nullptr;
    double ownerDistance2 = std::numeric_limits<double>::max();
    for (const Cell& cell : cells_) {
        const double d2 = (u - cell.x) * (u - cell.x) + (v - cell.y) * (v - cell.y);
        if (d2 < ownerDistance2) {
            ownerDistance2 = d2;
            owner = &cell;
        }
    }

    // Distance to the nearest tile border, the bisector with a neighbour, and
    // which way that border faces.
    double edgeDistance = std::numeric_limits<double>::max();
    double normalX = 0;
    double normalY = 0;
    for (const Cell& cell : cells_) {
        if (&cell == owner)
            continue;
        const double sx = cell.x - owner->x;
        const double sy = cell.y - owner->y;
        const double span = std::sqrt(sx * sx + sy * sy);
        const double d2 = (u - cell.x) * (u - cell.x) + (v - cell.y) * (v - cell.y);
        const double distance = (d2 - ownerDistance2) / (2 * span);
        if (distance < edgeDistance) {
            edgeDistance = distance;
            normalX = sx / span;
            normalY = sy / span;
        }
    }

    Rgb tile = scaled(palette::kTileOrange, 1 + owner->tone);
    const double rim = 1 - smoothstep(kJointHalfWidth, kJointHalfWidth + kEdgeWidth, edgeDistance);
    const double facing = normalX * kLightX + normalY * kLightY;
    if (facing > 0)
        tile = mix(tile, palette::kTileLitEdge, kEdgeStrength * rim * facing);
    else
        tile = mix(tile, palette::kTileShadedEdge, kEdgeStrength * rim * -facing);

    const double joint = 1 - smoothstep(kJointHalfWidth - pixelSize / 2,
                                        kJointHalfWidth + pixelSize / 2, edgeDistance);
    return mix(tile, palette::kTileJoint, joint);
}

}  // namespace pelmora::assetgen
