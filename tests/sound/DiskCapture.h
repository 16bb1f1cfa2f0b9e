// A fixture whose sound players write, through SDL's disk audio driver,
// every frame the device plays into a capture file of their own.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <iterator>
#include <optional>

#include "TestWav.h"
#include "ui/sound/SdlSoundPlayer.h"
#include "ui/sound/SoundConstants.h"

namespace pelmora::soundtest {

using Clock = std::chrono::steady_clock;

// The disk driver grants the format asked for, so such a WAV reaches the file untouched.
static_assert(sound::kRequestedSampleFormat == AUDIO_S16LSB && sound::kRequestedRate == 44100 &&
              sound::kRequestedChannels == 2);
constexpr int kFrameBytes = 4;

// The frames of 16-bit stereo `raw` that are not silence.
inline Bytes audibleFrames(const Bytes& raw) {
    Bytes audible;
    for (auto frame = raw.begin(); raw.end() - frame >= kFrameBytes; frame += kFrameBytes)
        if (std::any_of(frame, frame + kFrameBytes, [](std::uint8_t b) { return b != 0; }))
            audible.insert(audible.end(), frame, frame + kFrameBytes);
    return audible;
}

class DiskPlaybackTest : public ::testing::Test {
protected:
    // A player writing into a capture file of its own.
    SdlSoundPlayer& newPlayer() {
        setenv("SDL_DISKAUDIOFILE", capture(++captures_).c_str(), 1);
        return player_.emplace([this] { ++defaultSounds; });
    }
    // The frames that were not silence, read once the player is gone and has flushed its file.
    Bytes heard() {
        player_.reset();
        std::ifstream file(capture(captures_), std::ios::binary);
        return audibleFrames(Bytes{std::istreambuf_iterator<char>(file), {}});
    }
    std::filesystem::path capture(int n) const { return scratch.path / ("capture" + std::to_string(n) + ".raw"); }
    auto wav(const std::string& name, const Bytes& samples, int rate = 44100, int channels = 2, int bits = 16) {
        return writeFile(scratch.path / name, wavBytes(rate, channels, bits, samples));
    }

    ScratchFolder scratch;
    int defaultSounds = 0;

private:
    int captures_ = 0;
    std::optional<SdlSoundPlayer> player_;
};

}  // namespace pelmora::soundtest
