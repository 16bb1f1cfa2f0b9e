#include "ui/sound/SdlAudioOutput.h"

#include <SDL.h>

#include <algorithm>
#include <thread>

#include "ui/sound/SoundConstants.h"

namespace pelmora::sound {

SdlAudioOutput::~SdlAudioOutput() {
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
    }
    if (subsystemStarted_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool SdlAudioOutput::open() {
    // A device that went away (unplugged, sound server gone) reads as
    // stopped even while unpaused; it would take no samples, so let go of it.
    if (device_ != 0 && SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_STOPPED) {
        SDL_CloseAudioDevice(device_);
        device_ = 0;
    }
    if (device_ != 0) {
        return true;
    }
    if (lastFailedOpen_ && Clock::now() - *lastFailedOpen_ < kReopenDelay) {
        return false;
    }
    if (tryOpen()) {
        lastFailedOpen_.reset();
        return true;
    }
    lastFailedOpen_ = Clock::now();
    return false;
}

bool SdlAudioOutput::tryOpen() {
    if (!subsystemStarted_) {
        // Starting audio starts SDL's events too, which would otherwise take
        // over SIGINT and SIGTERM and leave the game running when told to end.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        subsystemStarted_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        if (!subsystemStarted_) {
            return false;
        }
    }
    SDL_AudioSpec wanted{};
    wanted.freq = kRequestedRate;
    wanted.format = kRequestedSampleFormat;
    wanted.channels = kRequestedChannels;
    wanted.samples = kRequestedBufferFrames;
    wanted.callback = nullptr;  // samples are queued, not pulled
    SDL_AudioSpec obtained{};
    // Taking the device's own format spares SDL a second conversion behind
    // ours; every clip is converted to whatever the device answers.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, SDL_AUDIO_ALLOW_ANY_CHANGE);
    if (device_ == 0) {
        return false;
    }
    format_ = {obtained.format, obtained.channels, obtained.freq};
    bufferFrames_ = obtained.samples;
    return true;
}

bool SdlAudioOutput::playOut(const WavClip& clip) {
    const auto& samples = clip.samples();
    if (samples.empty()) {
        return true;
    }
    settleIdle();  // a play cut short by a stalled device may have left samples behind
    if (SDL_QueueAudio(device_, samples.data(), static_cast<Uint32>(samples.size())) != 0) {
        return false;
    }
    const auto soundLength = clip.length();
    const auto bufferLength = format_.lengthOf(static_cast<std::size_t>(bufferFrames_) * format_.bytesPerFrame());
    const auto start = Clock::now();
    // A slow device is waited for as long as it keeps taking samples, but
    // never past the longest sound.
    const auto deadline = start + kLongestSound + kLongestOverrun;

    SDL_PauseAudioDevice(device_, 0);
    if (!waitForEmptyQueue(deadline)) {
        settleIdle();
        return true;  // what could be played was
    }
    // An empty queue means the last samples have just moved into the device's
    // own buffer: they play out over one buffer's length. The sound cannot
    // be over before its own length either.
    const auto playedOut = std::max(Clock::now() + bufferLength, start + soundLength);
    std::this_thread::sleep_until(std::min(playedOut, deadline));
    settleIdle();
    return true;
}

bool SdlAudioOutput::waitForEmptyQueue(Clock::time_point deadline) const {
    Uint32 queued = SDL_GetQueuedAudioSize(device_);
    auto lastProgress = Clock::now();
    while (queued > 0) {
        const auto now = Clock::now();
        if (now >= deadline || now - lastProgress >= kStallTimeout) {
            return false;
        }
        // Wake about when half of what is left should have been taken, so
        // the queue running dry is seen within a fraction of a millisecond.
        const auto half = std::chrono::duration_cast<Clock::duration>(format_.lengthOf(queued) / 2);
        std::this_thread::sleep_for(std::clamp<Clock::duration>(half, kQueuePollShortest, kQueuePollLongest));
        const Uint32 left = SDL_GetQueuedAudioSize(device_);
        if (left < queued) {
            lastProgress = Clock::now();
        }
        queued = left;
    }
    return true;
}

void SdlAudioOutput::settleIdle() const {
    SDL_PauseAudioDevice(device_, 1);
    SDL_ClearQueuedAudio(device_);
}

}  // namespace pelmora::sound
