// The game's box pictures by name, with their sizes and box positions.
#pragma once

#include <vector>

#include "TileArtist.h"

namespace pelmora::assetgen {

// The eight board tiles: b, g, r, y and their highlighted forms bh, gh, rh, yh.
std::vector<TileDesign> boardTiles();

// The four small highlighted boxes of the colour legend.
std::vector<TileDesign> legendBoxes();

}  // namespace pelmora::assetgen
