// Runs with SDL pointed at an audio driver that does not exist, as on a
// machine without sound: every play must fall back to the default sound.
#include <gtest/gtest.h>

#include "ScratchFolder.h"
#include "TestWav.h"
#include "ui/sound/SdlSoundPlayer.h"

namespace pelmora::soundtest {
namespace {

TEST(NoAudioDriver, EveryPlayFallsBackToTheDefaultSoundOnce) {
    ScratchFolder scratch;
    const auto path = scratch.path() / "win.wav";
    writeWav(path, noZeroByte16Bit(44100, 2, 0.1, 1));
    int defaultSounds = 0;
    SdlSoundPlayer player([&] { ++defaultSounds; });

    player.playAndWait(path.string());
    EXPECT_EQ(defaultSounds, 1);
    player.playAndWait(path.string());
    EXPECT_EQ(defaultSounds, 2);
    player.playAndWait((scratch.path() / "missing.wav").string());
    EXPECT_EQ(defaultSounds, 3);
}

}  // namespace
}  // namespace pelmora::soundtest
