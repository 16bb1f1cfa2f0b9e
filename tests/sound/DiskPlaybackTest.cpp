// Plays through SDL's disk audio driver, which writes every frame the device
// plays into a file, and checks what was written and how long each play held
// the caller.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <iterator>
#include <optional>
#include <utility>

#include "TestWav.h"
#include "ui/sound/SdlSoundPlayer.h"
#include "ui/sound/SoundConstants.h"

namespace pelmora::soundtest {

using Clock = std::chrono::steady_clock;

// The disk driver grants the format asked for, so such a WAV reaches the file untouched.
static_assert(sound::kRequestedSampleFormat == AUDIO_S16LSB && sound::kRequestedRate == 44100 &&
              sound::kRequestedChannels == 2);
constexpr int kFrameBytes = 4;

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
        const Bytes raw{std::istreambuf_iterator<char>(file), {}};
        Bytes audible;
        for (auto frame = raw.begin(); raw.end() - frame >= kFrameBytes; frame += kFrameBytes)
            if (std::any_of(frame, frame + kFrameBytes, [](std::uint8_t b) { return b != 0; }))
                audible.insert(audible.end(), frame, frame + kFrameBytes);
        return audible;
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

TEST_F(DiskPlaybackTest, SoundsInTheDeviceFormatAreWrittenSampleForSampleAndReadAfreshAtEveryPlay) {
    const Bytes first = noZeroBytes(13230 * kFrameBytes, 1), second = noZeroBytes(4410 * kFrameBytes, 2);
    const auto path = wav("clearbox.wav", first);  // 0.3 s
    SdlSoundPlayer& player = newPlayer();
    const auto start = Clock::now();
    player.playAndWait(path.string());
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(300));
    wav("clearbox.wav", second);  // replaced between two plays
    player.playAndWait(path.string());
    Bytes both = first;
    both.insert(both.end(), second.begin(), second.end());
    EXPECT_EQ(heard(), both);
    EXPECT_EQ(defaultSounds, 0);
}

TEST_F(DiskPlaybackTest, EightBitMonoAt22050HzIsConvertedAndPlaysInFull) {
    const auto path = wav("win.wav", Bytes(4410, 200), 22050, 1, 8);  // 0.2 s at level 200 of 255
    newPlayer().playAndWait(path.string());
    const Bytes frames = heard();
    // Every frame plays, but the resampler's first few, rising from silence, may read as silence.
    EXPECT_LE(frames.size(), 8820u * kFrameBytes);
    ASSERT_GE(frames.size(), 8820u * kFrameBytes * 99 / 100);
    const std::size_t middle = frames.size() / 2 / kFrameBytes * kFrameBytes;
    for (std::size_t at : {middle, middle + 2})  // left, right: (200 - 128) x 256
        EXPECT_NEAR(static_cast<std::int16_t>(frames[at] | frames[at + 1] << 8), 18432, 400);
}

TEST_F(DiskPlaybackTest, BrokenFilesPlayTheDefaultSoundOnceAndTheNextSoundStillPlays) {
    const Bytes good = noZeroBytes(4410 * kFrameBytes, 2);
    const auto goodPath = wav("win.wav", good);
    Bytes cut = wavBytes(44100, 2, 16, good), unknownEncoding = cut, zeroRate = cut;
    cut.resize(30);                                              // ends inside the format chunk
    unknownEncoding[20] = 0x34;                                  // format tag, 1 for PCM
    std::fill(zeroRate.begin() + 24, zeroRate.begin() + 32, 0);  // sample rate and byte rate
    const std::pair<std::string, std::optional<Bytes>> broken[] = {
        {"missing", std::nullopt}, {"empty", Bytes{}}, {"cut", cut}, {"encoding", unknownEncoding}, {"rate", zeroRate}};
    for (const auto& [name, bytes] : broken) {
        if (bytes) writeFile(scratch.path / (name + ".wav"), *bytes);
        defaultSounds = 0;
        SdlSoundPlayer& player = newPlayer();
        player.playAndWait((scratch.path / (name + ".wav")).string());
        EXPECT_EQ(defaultSounds, 1) << name;
        player.playAndWait(goodPath.string());
        EXPECT_EQ(defaultSounds, 1) << name;
        EXPECT_EQ(heard(), good) << name;
    }
}

}  // namespace pelmora::soundtest
