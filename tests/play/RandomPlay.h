// The random player's run: a seed's moves one after another on the real
// window, each judged at once. Stops at the first fault and says how to make
// it again.
#pragma once

#include "PlayOptions.h"

namespace pelmora::play {

// 0 when every move passed.
int runRandomPlay(const PlayOptions& options);

}  // namespace pelmora::play
