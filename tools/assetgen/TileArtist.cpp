#include "TileArtist.h"

#include "BevelFrame.h"
#include "BoxShading.h"
#include "Palette.h"

namespace pelmora::assetgen {

QImage drawTile(const TileDesign& design, int scale) {
    const DesignRect outer{0, 0, static_cast<double>(design.size.width()),
                           static_cast<double>(design.size.height())};
    const BevelFrame frame(outer, design.box);
    return renderOpaque(design.size, scale, [&](double u, double v) {
        if (design.box.contains(u, v))
            return shadeBox(design.colour, design.box, u, v);
        return design.highlighted ? frame.colourAt(u, v) : palette::kBlack;
    });
}

}  // namespace pelmora::assetgen
