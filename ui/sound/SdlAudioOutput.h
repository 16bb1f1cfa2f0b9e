// The one audio device every sound of the game goes through.
#pragma once

#include <SDL_audio.h>

#include <chrono>
#include <optional>

#include "ui/sound/AudioFormat.h"
#include "ui/sound/WavClip.h"

namespace pelmora::sound {

class SdlAudioOutput {
public:
    SdlAudioOutput() = default;
    ~SdlAudioOutput();
    SdlAudioOutput(const SdlAudioOutput&) = delete;
    SdlAudioOutput& operator=(const SdlAudioOutput&) = delete;

    // Opens the device on first use and keeps it open. False when there is
    // no device; after a failure the next attempt waits kReopenDelay, so a
    // machine without sound is not probed at every play.
    bool open();

    // The device's own format; meaningful once open() succeeded.
    const AudioFormat& format() const { return format_; }

    // Plays a clip already in format() and returns once the device has
    // played it out. A device that takes nothing for kStallTimeout is given
    // up on, and no play waits longer than kLongestSound plus
    // kLongestOverrun. False when the device refused the samples.
    bool playOut(const WavClip& clip);

private:
    using Clock = std::chrono::steady_clock;

    bool tryOpen();
    // Waits while the queue drains: true when it ran dry, false at the
    // deadline or when the device stopped taking samples.
    bool waitForEmptyQueue(Clock::time_point deadline) const;
    // Leaves the device paused with nothing queued, ready for the next play.
    void settleIdle() const;

    bool subsystemStarted_ = false;
    SDL_AudioDeviceID device_ = 0;
    AudioFormat format_;
    int bufferFrames_ = 0;
    std::optional<Clock::time_point> lastFailedOpen_;
};

}  // namespace pelmora::sound
