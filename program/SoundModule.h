// The one entry point of the sound module (a shared module built from
// ui/sound/), looked up by name when the module is loaded.
#pragma once

#include <functional>

namespace pelmora {

class SoundPlayer;

// Makes a player that plays WAV files through SDL; the caller owns it.
using MakeSoundPlayer = SoundPlayer* (*)(std::function<void()> defaultSound);
inline constexpr const char* kMakeSoundPlayerSymbol = "pelmora_make_sound_player";

}  // namespace pelmora
