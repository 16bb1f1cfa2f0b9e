// Runs with SDL pointed at an audio driver that does not exist, as on a
// machine without sound: every play falls back to the default sound.
#include <gtest/gtest.h>

#include "TestWav.h"
#include "ui/sound/SdlSoundPlayer.h"

namespace pelmora::soundtest {

TEST(NoAudioDriverTest, EveryPlayFallsBackToTheDefaultSoundOnce) {
    ScratchFolder scratch;
    writeFile(scratch.path / "win.wav", wavBytes(44100, 2, 16, noZeroBytes(4410 * 4, 1)));
    int defaultSounds = 0;
    SdlSoundPlayer player([&] { ++defaultSounds; });
    for (int play = 1; play <= 2; ++play) {
        player.playAndWait((scratch.path / "win.wav").string());
        EXPECT_EQ(defaultSounds, play);
    }
}

}  // namespace pelmora::soundtest
