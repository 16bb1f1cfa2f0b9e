// Plays WAV files through SDL's audio, holding the caller until each ends.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ui/sound/SoundPlayer.h"

namespace pelmora {

namespace sound {
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

    // Reads the file at every call, so a file replaced or deleted while the
    // game runs is heard (or missed) at once.
    void playAndWait(const std::string& path) override;

private:
    std::function<void()> defaultSound_;
    std::unique_ptr<sound::SdlAudioOutput> output_;
};

}  // namespace pelmora
