// A sound file opened for reading, only ever a regular file, and without any
// step that could wait for another process (a pipe with no writer, a device).
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>

#include "ui/sound/ByteSource.h"

namespace pelmora::sound {

// What tells one version of a file from another without reading it.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The identity of the regular file at `path` (links followed), or empty for
// anything else: missing, a pipe, a device, a socket, a folder.
std::optional<FileIdentity> regularFileIdentity(const std::string& path);

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

    std::uint64_t size() const override { return identity_.size; }
    bool readAt(std::uint64_t offset, std::span<std::uint8_t> out) override;

    const FileIdentity& identity() const { return identity_; }
    // Bytes read so far, whatever the reads were for.
    std::uint64_t bytesRead() const { return bytesRead_; }

private:
    SoundFile(int descriptor, FileIdentity identity) : descriptor_(descriptor), identity_(identity) {}

    int descriptor_ = -1;
    FileIdentity identity_;
    std::uint64_t bytesRead_ = 0;
};

}  // namespace pelmora::sound
