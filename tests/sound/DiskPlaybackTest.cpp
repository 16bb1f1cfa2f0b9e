// Plays through SDL's disk audio driver, which writes every frame the device
// plays into a file, and checks what was written and how long each play held
// the caller.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>

#include "DiskCapture.h"

namespace pelmora::soundtest {

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


// The game's own sounds, beside this program as beside the game, reach the
// device in full and exactly as SDL's own file reader and converter give them.
TEST_F(DiskPlaybackTest, ShippedSoundsPlayInFullAsSdlDecodesThem) {
    const auto folder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    for (const char* name : {"clearbox.wav", "win.wav"}) {
        const std::string path = (folder / name).string();
        SDL_AudioSpec spec{};
        Uint8* samples = nullptr;
        Uint32 length = 0;
        ASSERT_TRUE(SDL_LoadWAV(path.c_str(), &spec, &samples, &length)) << name;
        SDL_AudioCVT convert{};
        ASSERT_GE(SDL_BuildAudioCVT(&convert, spec.format, spec.channels, spec.freq, AUDIO_S16LSB, 2, 44100), 0);
        Bytes expected(std::size_t{length} * convert.len_mult);
        std::copy(samples, samples + length, expected.begin());
        SDL_FreeWAV(samples);
        convert.buf = expected.data();
        convert.len = static_cast<int>(length);
        ASSERT_EQ(SDL_ConvertAudio(&convert), 0);
        expected.resize(static_cast<std::size_t>(convert.len_cvt));
        ASSERT_EQ(expected.size(), std::size_t{length} / (SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels) * kFrameBytes);

        defaultSounds = 0;
        newPlayer().playAndWait(path);
        EXPECT_EQ(defaultSounds, 0) << name;
        EXPECT_TRUE(heard() == audibleFrames(expected)) << name;
    }
}


// A file changed where it lies, here through a shared memory map, which
// leaves its size, inode and times as they were, is heard as it now is.
TEST_F(DiskPlaybackTest, ASoundRewrittenThroughAMemoryMapIsHeardAsItNowIs) {
    const Bytes first = noZeroBytes(441 * kFrameBytes, 1), second = noZeroBytes(441 * kFrameBytes, 2);
    const Bytes firstFile = wavBytes(44100, 2, 16, first), secondFile = wavBytes(44100, 2, 16, second);
    const auto path = scratch.path / "clearbox.wav";
    const int descriptor = open(path.c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_EQ(ftruncate(descriptor, static_cast<off_t>(firstFile.size())), 0);
    void* map = mmap(nullptr, firstFile.size(), PROT_READ | PROT_WRITE, MAP_SHARED, descriptor, 0);
    ASSERT_NE(map, MAP_FAILED);
    // Written through the map before the first play: the pages are then
    // already writable, so the second write changes no time of the file.
    std::memcpy(map, firstFile.data(), firstFile.size());
    SdlSoundPlayer& player = newPlayer();
    player.playAndWait(path.string());
    std::memcpy(map, secondFile.data(), secondFile.size());
    player.playAndWait(path.string());
    munmap(map, firstFile.size());
    close(descriptor);
    Bytes both = first;
    both.insert(both.end(), second.begin(), second.end());
    EXPECT_TRUE(heard() == both);
    EXPECT_EQ(defaultSounds, 0);
}

}  // namespace pelmora::soundtest
