// Plays WAV files through SDL's audio, holding the caller until each ends.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ui/sound/SoundPlayer.h"

namespace pelmora {

namespace sound {
class ClipCache;
class SdlAudioOutput;
}

class SdlSoundPlayer final : public SoundPlayer {
public:
    // defaultSound stands in for any sound that cannot be played: a missing
    // or broken file, or a machine without an audio device.
    explicit SdlSoundPlayer(std::function<void()> defaultSound);
    ~SdlSoundPlayer() override;
    SdlSoundPlayer(const SdlSoundPlayer&) = delete;
    SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

    // Reads the file at every call (a few kilobytes for the game's sounds):
    // a file replaced, changed or deleted while the game runs is heard (or
    // missed) at once. Bytes heard before are not decoded again; their
    // converted samples are kept.
    void playAndWait(const std::string& path) override;

private:
    bool play(const std::string& path);

    std::function<void()> defaultSound_;
    std::unique_ptr<sound::SdlAudioOutput> output_;
    std::unique_ptr<sound::ClipCache> cache_;
};

}  // namespace pelmora
