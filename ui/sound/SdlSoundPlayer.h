// Plays WAV files through SDL's audio, holding the caller until each ends.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/sound/SoundFile.h"
#include "ui/sound/SoundPlayer.h"
#include "ui/sound/WavClip.h"

namespace pelmora {

namespace sound {
class ClipCache;
class SdlAudioOutput;
}

class SdlSoundPlayer final : public SoundPlayer {
public:
    // Turns a WAV file in memory, as readBoundedWav leaves it, into samples.
    using ClipDecoder = std::function<std::optional<sound::WavClip>(const std::vector<std::uint8_t>& wavFile)>;

    // defaultSound stands in for any sound that cannot be played: a missing
    // or broken file, or a machine without an audio device. `decode` is
    // SDL's decoder unless another is given.
    explicit SdlSoundPlayer(std::function<void()> defaultSound, ClipDecoder decode = sound::WavClip::decode);
    ~SdlSoundPlayer() override;
    SdlSoundPlayer(const SdlSoundPlayer&) = delete;
    SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

    // Looks at the file at every call: a file replaced, changed or deleted
    // while the game runs is heard (or missed) at once. A file unchanged
    // since it was last played is not read again; its converted samples
    // are kept.
    void playAndWait(const std::string& path) override;

private:
    struct DecodedFile {
        sound::FileIdentity identity;  // of what was read
        sound::WavClip clip;
    };

    bool play(const std::string& path);
    // Reads and decodes the file, within readBoundedWav's bounds.
    std::optional<DecodedFile> read(const std::string& path) const;

    std::function<void()> defaultSound_;
    ClipDecoder decode_;
    std::unique_ptr<sound::SdlAudioOutput> output_;
    std::unique_ptr<sound::ClipCache> cache_;
};

}  // namespace pelmora
