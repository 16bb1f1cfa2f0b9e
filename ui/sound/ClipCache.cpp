#include "ui/sound/ClipCache.h"

#include <algorithm>
#include <utility>

namespace pelmora::sound {

const WavClip* ClipCache::find(const std::string& path, const FileIdentity& identity,
                               const AudioFormat& format) const {
    for (const Entry& entry : entries_) {
        if (entry.path == path) {
            return entry.identity == identity && entry.clip.format() == format ? &entry.clip : nullptr;
        }
    }
    return nullptr;
}

const WavClip& ClipCache::keep(const std::string& path, const FileIdentity& identity, WavClip clip) {
    std::erase_if(entries_, [&](const Entry& entry) { return entry.path == path; });
    if (entries_.size() >= kCachedPaths) {
        entries_.erase(entries_.begin());
    }
    entries_.push_back({path, identity, std::move(clip)});
    return entries_.back().clip;
}

}  // namespace pelmora::sound
