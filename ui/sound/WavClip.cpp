#include "ui/sound/WavClip.h"

#include <SDL.h>

#include <algorithm>
#include <memory>
#include <utility>

#include "ui/sound/SoundConstants.h"

namespace pelmora::sound {

namespace {

struct AudioStreamDeleter {
    void operator()(SDL_AudioStream* stream) const { SDL_FreeAudioStream(stream); }
};
using AudioStreamPtr = std::unique_ptr<SDL_AudioStream, AudioStreamDeleter>;

std::vector<std::uint8_t> silence(const AudioFormat& format, std::size_t frames) {
    std::vector<std::uint8_t> bytes(frames * format.bytesPerFrame(), 0);
    if (!SDL_AUDIO_ISSIGNED(format.sampleFormat)) {
        // Unsigned samples rest at their midpoint: top bit of the top byte.
        const int sampleBytes = SDL_AUDIO_BITSIZE(format.sampleFormat) / 8;
        const int topByte = SDL_AUDIO_ISBIGENDIAN(format.sampleFormat) ? 0 : sampleBytes - 1;
        for (std::size_t at = topByte; at < bytes.size(); at += sampleBytes) {
            bytes[at] = 0x80;
        }
    }
    return bytes;
}

bool put(SDL_AudioStream* stream, const std::vector<std::uint8_t>& bytes) {
    return SDL_AudioStreamPut(stream, bytes.data(), static_cast<int>(bytes.size())) == 0;
}

}  // namespace

WavClip::WavClip(AudioFormat format, std::vector<std::uint8_t> samples)
    : format_(format), samples_(std::move(samples)) {
    // A converter refuses partial frames, so a ragged tail is dropped here.
    const int frameBytes = format_.bytesPerFrame();
    if (frameBytes > 0) {
        samples_.resize(samples_.size() - samples_.size() % frameBytes);
    }
}

std::optional<WavClip> WavClip::decode(const std::vector<std::uint8_t>& wavFile) {
    SDL_RWops* memory = SDL_RWFromConstMem(wavFile.data(), static_cast<int>(wavFile.size()));
    if (memory == nullptr) {
        return std::nullopt;
    }
    SDL_AudioSpec spec{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV_RW(memory, 1, &spec, &buffer, &length) == nullptr) {  // 1: SDL closes `memory`
        return std::nullopt;
    }
    std::vector<std::uint8_t> samples(buffer, buffer + length);
    SDL_FreeWAV(buffer);
    return WavClip({spec.format, spec.channels, spec.freq}, std::move(samples));
}

std::optional<WavClip> WavClip::convertedTo(const AudioFormat& target) const {
    if (format_ == target || samples_.empty()) {
        return WavClip(target, samples_);
    }
    AudioStreamPtr stream(SDL_NewAudioStream(format_.sampleFormat, static_cast<Uint8>(format_.channels),
                                             format_.rate, target.sampleFormat,
                                             static_cast<Uint8>(target.channels), target.rate));
    if (!stream) {
        return std::nullopt;
    }
    const std::size_t frames = samples_.size() / format_.bytesPerFrame();
    const auto tail = silence(format_, kResamplerTailFrames * static_cast<std::size_t>(format_.rate / target.rate + 1));
    if (!put(stream.get(), samples_) || !put(stream.get(), tail) || SDL_AudioStreamFlush(stream.get()) != 0) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> converted(static_cast<std::size_t>(SDL_AudioStreamAvailable(stream.get())));
    const int received = SDL_AudioStreamGet(stream.get(), converted.data(), static_cast<int>(converted.size()));
    if (received < 0) {
        return std::nullopt;
    }
    // Cut the tail back off: the sound keeps exactly its own length.
    const std::size_t framesOut = (frames * target.rate + format_.rate / 2) / format_.rate;
    converted.resize(std::min(static_cast<std::size_t>(received), framesOut * target.bytesPerFrame()));
    return WavClip(target, std::move(converted));
}

}  // namespace pelmora::sound
