// The sound module: SDL playback behind the entry point of SoundModule.h.
#include "program/SoundModule.h"

#include "ui/sound/SdlSoundPlayer.h"

extern "C" __attribute__((visibility("default"))) pelmora::SoundPlayer* pelmora_make_sound_player(
    std::function<void()> defaultSound) {
    return new pelmora::SdlSoundPlayer(std::move(defaultSound));
}

// The loader finds the entry point by the name it expects.
static_assert(std::is_same_v<decltype(&pelmora_make_sound_player), pelmora::MakeSoundPlayer>);
