// A strip of irregular orange tiles, like cracked paving: each tile is the
// region nearest to one scattered seed point, outlined by darker joints and
// with a slight raised edge lit from the top left.
#pragma once

#include <cstdint>
#include <vector>

#include "Colour.h"

namespace pelmora::assetgen {

class CrackedTiles {
public:
    // A strip `width` x `height` design pixels; `seed` fixes the layout.
    CrackedTiles(double width, double height, std::uint64_t seed);

    // `pixelSize` is one output pixel in design units, for smooth joints.
    Rgb colourAt(double u, double v, double pixelSize) const;

private:
    struct Cell {
        double x;
        double y;
        double tone;  // brightness of this tile relative to the others
    };

    std::vector<Cell> cells_;
};

}  // namespace pelmora::assetgen
