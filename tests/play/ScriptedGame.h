// A short game that goes through every command at least once, inside the
// program's own event loop, and ends the way a player ends it: File, Quit.
// Small enough for memory checkers; also run as an ordinary test.
#pragma once

#include "PlayOptions.h"

namespace pelmora::play {

// 0 when every move passed and Quit ended the program.
int runScriptedGame(const PlayOptions& options);

}  // namespace pelmora::play
