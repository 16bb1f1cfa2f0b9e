// What one run of the play test does, from its command line and environment:
//   --seed N        seed of the game and of the moves (default 1)
//   --events N      moves to make (default 100000); PELMORA_PLAY_EVENT_PERCENT
//                   in the environment scales it down for slow builds
//   --trace-from N  print every move from move N on
//   --scripted      instead of random play: a short scripted game that
//                   touches every command once and ends with Quit
//   --real-sound    with --scripted, also play the sounds through SDL
// PELMORA_PLAY_STALL_SECONDS: how long one move may take before the run is
// called hung (default 60).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace pelmora::play {

struct PlayOptions {
    std::uint64_t seed = 1;
    long events = 100000;
    int eventPercent = 100;  // from the environment, already applied to events
    long traceFrom = -1;
    bool scripted = false;
    bool realSound = false;
    int stallSeconds = 60;
    std::string program;
};

// Nothing on a bad command line, after saying why.
std::optional<PlayOptions> readPlayOptions(int argc, char** argv);

}  // namespace pelmora::play
