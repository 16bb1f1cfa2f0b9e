#include "ui/sound/SdlSoundPlayer.h"

#include <utility>

#include "ui/sound/ClipCache.h"
#include "ui/sound/SdlAudioOutput.h"
#include "ui/sound/SoundFile.h"
#include "ui/sound/WavReader.h"

namespace pelmora {

SdlSoundPlayer::SdlSoundPlayer(std::function<void()> defaultSound, ClipDecoder decode)
    : defaultSound_(std::move(defaultSound)),
      decode_(std::move(decode)),
      output_(std::make_unique<sound::SdlAudioOutput>()),
      cache_(std::make_unique<sound::ClipCache>()) {}

SdlSoundPlayer::~SdlSoundPlayer() = default;

void SdlSoundPlayer::playAndWait(const std::string& path) {
    if (!play(path) && defaultSound_) {
        defaultSound_();
    }
}

bool SdlSoundPlayer::play(const std::string& path) {
    // The file is looked at before the device is touched: a missing file
    // costs nothing but the default sound.
    const auto identity = sound::regularFileIdentity(path);
    if (!identity || !output_->open()) {
        return false;
    }
    const sound::WavClip* clip = cache_->find(path, *identity, output_->format());
    if (clip == nullptr) {
        clip = load(path);
    }
    return clip != nullptr && output_->playOut(*clip);
}

const sound::WavClip* SdlSoundPlayer::load(const std::string& path) {
    auto file = sound::SoundFile::open(path);
    if (!file) {
        return nullptr;
    }
    const auto wavFile = sound::readBoundedWav(*file);
    const auto clip = wavFile ? decode_(*wavFile) : std::nullopt;
    auto playable = clip ? clip->convertedTo(output_->format()) : std::nullopt;
    if (!playable) {
        return nullptr;
    }
    // Kept under what was read, which may be newer than what was looked at.
    return &cache_->keep(path, file->identity(), std::move(*playable));
}

}  // namespace pelmora
