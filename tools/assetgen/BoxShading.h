// The look of one coloured box: lit from above its top middle, falling into
// shadow towards its bottom-right corner. Shared by the tiles and the icon.
#pragma once

#include "Colour.h"
#include "PixelCanvas.h"

namespace pelmora::assetgen {

// Colour of the box `box` in `base` colour at design point (u, v) inside it.
Rgb shadeBox(const Rgb& base, const DesignRect& box, double u, double v);

}  // namespace pelmora::assetgen
