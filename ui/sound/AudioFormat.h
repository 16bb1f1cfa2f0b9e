// The layout of a stream of samples: sample type, channels and rate.
#pragma once

#include <SDL_audio.h>

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace pelmora::sound {

struct AudioFormat {
    SDL_AudioFormat sampleFormat = 0;
    int channels = 0;
    int rate = 0;

    int bytesPerFrame() const { return SDL_AUDIO_BITSIZE(sampleFormat) / 8 * channels; }

    // How long the given number of bytes in this format takes to play. In
    // 64 bits throughout, whole seconds apart, so no rate or size overflows.
    std::chrono::microseconds lengthOf(std::size_t bytes) const {
        const std::int64_t bytesPerSecond = std::int64_t{bytesPerFrame()} * rate;
        if (bytesPerSecond <= 0) {
            return std::chrono::microseconds{0};
        }
        const auto total = static_cast<std::int64_t>(bytes);
        const std::int64_t seconds = total / bytesPerSecond;
        const std::int64_t rest = total % bytesPerSecond;
        return std::chrono::microseconds{seconds * 1'000'000 + rest * 1'000'000 / bytesPerSecond};
    }

    bool operator==(const AudioFormat&) const = default;
};

}  // namespace pelmora::sound
