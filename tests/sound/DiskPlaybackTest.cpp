// Plays through SDL's disk audio driver, which writes every frame the device
// plays into a file, and checks what was written and how long each play held
// the caller. Each test points the driver at its own capture file.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <ostream>
#include <random>
#include <string>

#include "DiskCapture.h"
#include "ScratchFolder.h"
#include "TestWav.h"
#include "ui/sound/SdlSoundPlayer.h"
#include "ui/sound/SoundConstants.h"

namespace pelmora::soundtest {
namespace {

namespace fs = std::filesystem;
using std::chrono::microseconds;

// The disk driver grants the format asked for, so a 16-bit stereo WAV at the
// requested rate reaches the file untouched. WAV is little-endian.
static_assert(sound::kRequestedSampleFormat == AUDIO_S16LSB);
constexpr int kDeviceRate = sound::kRequestedRate;
constexpr int kDeviceChannels = sound::kRequestedChannels;
constexpr int kDeviceBytesPerFrame = 2 * kDeviceChannels;

std::vector<std::uint8_t> concatenated(std::vector<std::uint8_t> first, const std::vector<std::uint8_t>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

std::int16_t leftSample(const std::vector<std::uint8_t>& frames, std::size_t frame) {
    const std::size_t at = frame * kDeviceBytesPerFrame;
    return static_cast<std::int16_t>(frames[at] | frames[at + 1] << 8);
}

std::int16_t rightSample(const std::vector<std::uint8_t>& frames, std::size_t frame) {
    const std::size_t at = frame * kDeviceBytesPerFrame + 2;
    return static_cast<std::int16_t>(frames[at] | frames[at + 1] << 8);
}

class DiskPlayback : public ::testing::Test {
protected:
    void SetUp() override { setenv("SDL_DISKAUDIOFILE", capturePath().c_str(), 1); }

    fs::path capturePath() const { return scratch_.path() / "capture.raw"; }
    fs::path soundPath(const std::string& name) const { return scratch_.path() / name; }

    fs::path writeSound(const std::string& name, const PcmSound& sound) const {
        writeWav(soundPath(name), sound);
        return soundPath(name);
    }

    // Read only after the player is gone: closing the device flushes the file.
    std::vector<std::uint8_t> heard() const { return audibleFrames(capturePath(), kDeviceBytesPerFrame); }

    std::function<void()> countingDefaultSound() {
        return [this] { ++defaultSounds_; };
    }

    static microseconds timedPlay(SdlSoundPlayer& player, const fs::path& path) {
        const auto start = std::chrono::steady_clock::now();
        player.playAndWait(path.string());
        return std::chrono::duration_cast<microseconds>(std::chrono::steady_clock::now() - start);
    }

    ScratchFolder scratch_;
    int defaultSounds_ = 0;
};

TEST_F(DiskPlayback, SoundInTheDeviceFormatIsWrittenSampleForSample) {
    const auto sound = noZeroByte16Bit(kDeviceRate, kDeviceChannels, 0.3, 1);
    const auto path = writeSound("clearbox.wav", sound);
    {
        SdlSoundPlayer player(countingDefaultSound());
        EXPECT_GE(timedPlay(player, path), sound.length());
    }
    EXPECT_EQ(heard(), sound.samples);
    EXPECT_EQ(defaultSounds_, 0);
}

TEST_F(DiskPlayback, EightBitMonoIsWidenedToSixteenBitStereo) {
    // Unsigned 8-bit v becomes signed 16-bit (v - 128) * 256 in both channels;
    // SDL goes through floating point, which may land one step lower.
    const auto sound = twoLevel8BitMono(kDeviceRate, 0.2, 200, 60, 500);
    const auto path = writeSound("win.wav", sound);
    {
        SdlSoundPlayer player(countingDefaultSound());
        EXPECT_GE(timedPlay(player, path), sound.length());
    }
    const auto frames = heard();
    ASSERT_EQ(frames.size(), sound.frames() * kDeviceBytesPerFrame);
    for (std::size_t i = 0; i < sound.frames(); ++i) {
        const int expected = (sound.samples[i] - 128) * 256;
        ASSERT_NEAR(leftSample(frames, i), expected, 1) << "frame " << i;
        ASSERT_NEAR(rightSample(frames, i), expected, 1) << "frame " << i;
    }
}

TEST_F(DiskPlayback, ResampledSoundKeepsItsLengthAndLevel) {
    constexpr std::int16_t kLevel = 9000;
    const auto sound = steady16Bit(kDeviceRate / 2, 1, 0.3, kLevel);
    const auto path = writeSound("clearbox.wav", sound);
    {
        SdlSoundPlayer player(countingDefaultSound());
        EXPECT_GE(timedPlay(player, path), sound.length());
    }
    const auto frames = heard();
    const std::size_t heardFrames = frames.size() / kDeviceBytesPerFrame;
    const std::size_t expectedFrames = sound.frames() * 2;
    // Every frame is played; only the resampler's first few, still rising
    // from silence, may read as silence.
    EXPECT_LE(heardFrames, expectedFrames);
    EXPECT_GE(heardFrames, expectedFrames * 99 / 100);
    ASSERT_GT(heardFrames, 0u);
    for (std::size_t i = 0; i < heardFrames; ++i) {
        ASSERT_EQ(leftSample(frames, i), rightSample(frames, i)) << "frame " << i;
    }
    EXPECT_NEAR(leftSample(frames, heardFrames / 2), kLevel, kLevel * 0.02);
}

TEST_F(DiskPlayback, TwoPlaysInARowBothPlayInFull) {
    const auto first = noZeroByte16Bit(kDeviceRate, kDeviceChannels, 0.2, 1);
    const auto second = noZeroByte16Bit(kDeviceRate, kDeviceChannels, 0.15, 2);
    const auto firstPath = writeSound("clearbox.wav", first);
    const auto secondPath = writeSound("win.wav", second);
    {
        SdlSoundPlayer player(countingDefaultSound());
        EXPECT_GE(timedPlay(player, firstPath), first.length());
        EXPECT_GE(timedPlay(player, secondPath), second.length());
    }
    EXPECT_EQ(heard(), concatenated(first.samples, second.samples));
    EXPECT_EQ(defaultSounds_, 0);
}

TEST_F(DiskPlayback, FileIsReadAfreshAtEveryPlay) {
    const auto original = noZeroByte16Bit(kDeviceRate, kDeviceChannels, 0.1, 1);
    const auto replacement = noZeroByte16Bit(kDeviceRate, kDeviceChannels, 0.15, 2);
    const auto path = writeSound("clearbox.wav", original);
    {
        SdlSoundPlayer player(countingDefaultSound());
        player.playAndWait(path.string());
        writeWav(path, replacement);
        player.playAndWait(path.string());
        EXPECT_EQ(defaultSounds_, 0);
        fs::remove(path);
        player.playAndWait(path.string());
        EXPECT_EQ(defaultSounds_, 1);
    }
    EXPECT_EQ(heard(), concatenated(original.samples, replacement.samples));
}

TEST_F(DiskPlayback, DeviceThatCannotOpenFallsBackToTheDefaultSound) {
    setenv("SDL_DISKAUDIOFILE", (scratch_.path() / "no-such-folder" / "capture.raw").c_str(), 1);
    const auto path = writeSound("clearbox.wav", noZeroByte16Bit(kDeviceRate, kDeviceChannels, 0.1, 1));
    SdlSoundPlayer player(countingDefaultSound());
    player.playAndWait(path.string());
    EXPECT_EQ(defaultSounds_, 1);
    player.playAndWait(path.string());
    EXPECT_EQ(defaultSounds_, 2);
}

// Each broken file gets the default sound once, and the device is left fit
// for a good sound straight after.
struct BrokenFile {
    std::string name;
    std::function<void(const fs::path&)> make;
};

void PrintTo(const BrokenFile& file, std::ostream* out) { *out << file.name; }

std::vector<std::uint8_t> validWavBytes() { return wavFileBytes(noZeroByte16Bit(kDeviceRate, kDeviceChannels, 0.05, 3)); }

const BrokenFile kBrokenFiles[] = {
    {"Missing", [](const fs::path&) {}},
    {"Empty", [](const fs::path& p) { writeFile(p, {}); }},
    {"RandomBytes",
     [](const fs::path& p) {
         std::mt19937 random(12345);
         std::vector<std::uint8_t> bytes(4096);
         for (auto& b : bytes) {
             b = static_cast<std::uint8_t>(random());
         }
         writeFile(p, bytes);
     }},
    {"HeaderCutInsideFmtChunk",
     [](const fs::path& p) {
         auto bytes = validWavBytes();
         bytes.resize(30);
         writeFile(p, bytes);
     }},
    {"UnknownEncoding",
     [](const fs::path& p) {
         auto bytes = validWavBytes();
         bytes[20] = 0x34;  // format tag, 1 for PCM
         bytes[21] = 0x12;
         writeFile(p, bytes);
     }},
    {"ZeroSampleRate",
     [](const fs::path& p) {
         auto bytes = validWavBytes();
         std::fill(bytes.begin() + 24, bytes.begin() + 32, 0);  // sample rate and byte rate
         writeFile(p, bytes);
     }},
};

class BrokenSoundFile : public DiskPlayback, public ::testing::WithParamInterface<BrokenFile> {};

TEST_P(BrokenSoundFile, PlaysTheDefaultSoundOnceAndTheNextSoundInFull) {
    const auto broken = soundPath("clearbox.wav");
    GetParam().make(broken);
    const auto good = noZeroByte16Bit(kDeviceRate, kDeviceChannels, 0.1, 4);
    const auto goodPath = writeSound("win.wav", good);
    {
        SdlSoundPlayer player(countingDefaultSound());
        player.playAndWait(broken.string());
        EXPECT_EQ(defaultSounds_, 1);
        player.playAndWait(goodPath.string());
        EXPECT_EQ(defaultSounds_, 1);
    }
    EXPECT_EQ(heard(), good.samples);
}

INSTANTIATE_TEST_SUITE_P(EachKind, BrokenSoundFile, ::testing::ValuesIn(kBrokenFiles),
                         [](const ::testing::TestParamInfo<BrokenFile>& info) { return info.param.name; });

}  // namespace
}  // namespace pelmora::soundtest
