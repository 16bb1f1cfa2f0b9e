#include "ui/sound/ClipCache.h"

#include <algorithm>
#include <utility>

namespace pelmora::sound {

const WavClip* ClipCache::find(const std::vector<std::uint8_t>& wavFile, const AudioFormat& format) const {
    for (const Entry& entry : entries_) {
        if (entry.wavFile == wavFile && entry.clip.format() == format) {
            return &entry.clip;
        }
    }
    return nullptr;
}

const WavClip& ClipCache::keep(std::vector<std::uint8_t> wavFile, WavClip clip) {
    std::erase_if(entries_, [&](const Entry& entry) { return entry.wavFile == wavFile; });
    if (entries_.size() >= kCachedClips) {
        entries_.erase(entries_.begin());
    }
    entries_.push_back({std::move(wavFile), std::move(clip)});
    return entries_.back().clip;
}

}  // namespace pelmora::sound
