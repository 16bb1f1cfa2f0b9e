// Sound files made to hurt the game, played through the disk driver: none
// may crash it, hold it past the longest sound, read or hold more than that
// sound needs, or block on something that is not a file. What is refused
// plays the default sound.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "DiskCapture.h"
#include "HostileClips.h"
#include "ui/sound/SoundFile.h"
#include "ui/sound/WavClip.h"
#include "ui/sound/WavReader.h"

namespace pelmora::soundtest {

namespace {

constexpr std::uint64_t kLongestSoundFrames = 44100 * sound::kLongestSound.count();
constexpr std::uint64_t kLongestSoundBytes = kLongestSoundFrames * kFrameBytes;
constexpr std::uint64_t kGigabyte = 1ull << 30;

// A valid 44.1 kHz stereo file of `declaredBytes`: six seconds of sound that
// never reads as silence, then a hole the file system leaves unwritten.
// False where the file system cannot hold a file that large.
bool writeLongSound(const std::filesystem::path& path, std::uint64_t declaredBytes) {
    writeFile(path, wavBytes(44100, 2, 16, noZeroBytes(6 * 44100 * kFrameBytes, 3)));
    std::error_code failed;
    std::filesystem::resize_file(path, 44 + declaredBytes, failed);
    Bytes header = wavHeader(44100, 2, 16, static_cast<std::uint32_t>(declaredBytes));
    std::fstream(path, std::ios::binary | std::ios::in | std::ios::out)
        .write(reinterpret_cast<const char*>(header.data()), header.size());
    return !failed;
}

std::uint64_t peakResidentBytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<std::uint64_t>(usage.ru_maxrss) * 1024;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryIsMeasurable = false;  // the sanitizer holds freed blocks back
#else
constexpr bool kMemoryIsMeasurable = true;
#endif

}  // namespace

class HostileSoundTest : public DiskPlaybackTest {};

TEST_F(HostileSoundTest, HostileClipsAreRefusedOrCutToTheLongestSound) {
    for (const HostileClip& clip : hostileClips()) {
        const auto path = writeFile(scratch.path / "clearbox.wav", clip.bytes);
        defaultSounds = 0;
        newPlayer().playAndWait(path.string());
        EXPECT_EQ(defaultSounds, clip.playable ? 0 : 1) << clip.name;
        EXPECT_EQ(heard().empty(), !clip.playable) << clip.name;
        // Refused by our own reader, before SDL sees it: SDL takes some of them.
        sound::MemoryBytes bytes(clip.bytes);
        EXPECT_EQ(sound::readBoundedWav(bytes).has_value(), clip.playable) << clip.name;
    }
}

TEST_F(HostileSoundTest, WhatIsNotARegularFilePlaysTheDefaultSoundAtOnce) {
    const auto good = wav("win.wav", noZeroBytes(441 * kFrameBytes, 1));
    ASSERT_EQ(mkfifo((scratch.path / "fifo.wav").c_str(), 0600), 0);  // no writer: an open() would wait
    std::filesystem::create_directory(scratch.path / "folder.wav");
    std::filesystem::create_symlink(scratch.path / "gone.wav", scratch.path / "dangling.wav");
    std::filesystem::create_symlink(good, scratch.path / "linked.wav");
    for (const char* name : {"fifo.wav", "folder.wav", "dangling.wav", "/dev/zero", "linked.wav"}) {
        defaultSounds = 0;
        newPlayer().playAndWait((scratch.path / name).string());
        const bool isLink = std::string(name) == "linked.wav";  // an install may link its sounds
        EXPECT_EQ(defaultSounds, isLink ? 0 : 1) << name;
        EXPECT_EQ(heard().size(), isLink ? 441u * kFrameBytes : 0u) << name;
    }
}

// A valid ten-minute file and a 2 GB one, sparse: each is cut to its first
// five seconds exactly, reads little more than those, plays no more, and
// memory stays small.
TEST_F(HostileSoundTest, LongSoundsPlayTheirFirstSecondsOnly) {
    const Bytes firstSeconds = noZeroBytes(kLongestSoundBytes, 3);
    for (const auto& [name, bytes] : {std::pair<const char*, std::uint64_t>{"ten-minutes.wav", 600 * 44100ull * kFrameBytes},
                                      std::pair<const char*, std::uint64_t>{"two-gigabytes.wav", 2 * kGigabyte - 64}}) {
        const auto path = scratch.path / name;
        if (!writeLongSound(path, bytes)) {
            GTEST_SKIP() << "no room for " << name;
        }
        auto file = sound::SoundFile::open(path);
        ASSERT_TRUE(file) << name;
        const auto wavFile = sound::readBoundedWav(*file);
        ASSERT_TRUE(wavFile) << name;
        EXPECT_LE(file->bytesRead(), 44 + kLongestSoundBytes + 8) << name;
        const auto clip = sound::WavClip::decode(*wavFile);
        EXPECT_TRUE(clip && clip->samples() == firstSeconds) << name;

        // A device slower than its rate (a loaded machine) may be cut off
        // before the end, never past it.
        defaultSounds = 0;
        newPlayer().playAndWait(path.string());
        EXPECT_EQ(defaultSounds, 0) << name;
        const Bytes played = heard();
        EXPECT_FALSE(played.empty()) << name;
        EXPECT_LE(played.size(), firstSeconds.size()) << name;
        EXPECT_TRUE(std::equal(played.begin(), played.end(), firstSeconds.begin())) << name;
        std::filesystem::remove(path);
    }
    if (kMemoryIsMeasurable) {
        EXPECT_LT(peakResidentBytes(), 96u << 20);  // the old reader held whole files: 348 MB, 4.2 GB
    }
}

// At the highest rate and widest frames, five seconds are more than any
// play may read.
TEST(SoundReadingTest, NoPlayReadsMoreThanSixteenMebibytes) {
    ScratchFolder scratch;
    const auto path = writeFile(scratch.path / "wide.wav", wavHeader(384000, 8, 32, 40 * 384000 * 32));
    std::filesystem::resize_file(path, 44 + 40 * 384000 * 32);
    auto file = sound::SoundFile::open(path);
    ASSERT_TRUE(file);
    const auto wav = sound::readBoundedWav(*file);
    ASSERT_TRUE(wav);
    EXPECT_LE(file->bytesRead(), sound::kMostBytesRead);
    EXPECT_GT(file->bytesRead(), sound::kMostBytesRead - 64);  // the header, and the rest up to a whole frame
    EXPECT_EQ((wav->size() - 44) % 32, 0u);
}

}  // namespace pelmora::soundtest
