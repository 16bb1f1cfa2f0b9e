// A file the game reads, a sound or the sound module, opened for reading:
// only ever a regular file, and without any step that could wait for
// another process (a pipe with no writer, a device).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ui/sound/ByteSource.h"

namespace pelmora::sound {

class SoundFile final : public ByteSource {
public:
    // Empty unless `path` names a regular file (a link to one will do) that
    // can be opened for reading. Never blocks.
    static std::optional<SoundFile> open(const std::string& path);

    SoundFile(SoundFile&& other) noexcept;
    SoundFile& operator=(SoundFile&&) = delete;
    SoundFile(const SoundFile&) = delete;
    SoundFile& operator=(const SoundFile&) = delete;
    ~SoundFile() override;

    // The size the file had when it was opened; reads past what it holds
    // now fail.
    std::uint64_t size() const override { return size_; }
    bool readAt(std::uint64_t offset, std::span<std::uint8_t> out) override;

    // Bytes read so far, whatever the reads were for.
    std::uint64_t bytesRead() const { return bytesRead_; }

private:
    SoundFile(int descriptor, std::uint64_t size) : descriptor_(descriptor), size_(size) {}

    int descriptor_ = -1;
    std::uint64_t size_ = 0;
    std::uint64_t bytesRead_ = 0;
};

}  // namespace pelmora::sound
