// The game's two sound effects, synthesised as mono samples at kSampleRate.
#pragma once

#include <vector>

namespace pelmora::assetgen {

// A crisp pop of 32 ms, played when a group of boxes is removed.
std::vector<double> clearBoxPop();

// A short rising chime, played on reaching the next level.
std::vector<double> levelUpChime();

}  // namespace pelmora::assetgen
