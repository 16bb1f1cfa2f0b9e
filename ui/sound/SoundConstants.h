// The numbers that shape how a sound reaches the speakers.
#pragma once

#include <SDL_audio.h>

#include <chrono>
#include <cstdint>

namespace pelmora::sound {

// What we ask of the audio device. CD quality suits short effects; the device
// may answer with a format of its own, and each sound is converted to that.
inline constexpr int kRequestedRate = 44100;
inline constexpr int kRequestedChannels = 2;
inline constexpr SDL_AudioFormat kRequestedSampleFormat = AUDIO_S16SYS;
// Frames per device buffer: small, because after the queue runs dry we wait
// for the device to play its last buffer (about 6 ms at 44100 Hz), and a
// removal is not drawn before its sound has ended.
inline constexpr int kRequestedBufferFrames = 256;

// Silence fed to the resampler after each sound, per unit of the
// input-to-output rate ratio (rounded up). SDL 2.26 holds back the
// resampler's last few hundred input frames and its flush does not always
// release them; this silence pushes them out.
inline constexpr int kResamplerTailFrames = 1024;

// The window waits for every sound, so none may hold it long: a longer sound
// plays its first kLongestSound, and a play never waits more than that plus
// kLongestOverrun for a device that is slow or stalls.
inline constexpr std::chrono::seconds kLongestSound{5};
inline constexpr std::chrono::milliseconds kLongestOverrun{300};
// Whatever a file declares, no play reads more of it than this.
inline constexpr std::uint64_t kMostBytesRead = 16 * 1024 * 1024;

// What a sound file may declare and still reach SDL's converter, which is
// not safe far outside the rates and channel counts real sounds use.
inline constexpr std::uint32_t kLowestRate = 4'000;
inline constexpr std::uint32_t kHighestRate = 384'000;
inline constexpr std::uint16_t kMostChannels = 8;

// A device that takes no samples for this long has stalled (unplugged, a
// sound server gone away): the play stops waiting for it.
inline constexpr std::chrono::milliseconds kStallTimeout{250};
// Grace beyond a sound's own length before the browser page stops waiting
// for a sound that never reports its end (it cannot see a queue drain): a
// fixed part, plus a share of the length for playback a little slower than
// its rate says.
inline constexpr std::chrono::milliseconds kDrainGrace{250};
inline constexpr int kDrainGracePercentOfLength = 10;
// Bounds of the wait between two looks at the device's queue while a sound
// plays: about half of what is left, within these.
inline constexpr std::chrono::microseconds kQueuePollShortest{500};
inline constexpr std::chrono::milliseconds kQueuePollLongest{20};
// After a failed attempt to open the device, plays within this time go
// straight to the default sound instead of trying again.
inline constexpr std::chrono::seconds kReopenDelay{2};

}  // namespace pelmora::sound
