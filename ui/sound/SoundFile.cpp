#include "ui/sound/SoundFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace pelmora::sound {

namespace {

bool isRegularFile(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

}  // namespace

std::optional<SoundFile> SoundFile::open(const std::string& path) {
    // Looked at before it is opened: opening a device can have effects of its
    // own, and a pipe opened without O_NONBLOCK waits for a writer forever.
    if (!isRegularFile(path)) {
        return std::nullopt;
    }
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        return std::nullopt;
    }
    // The path may have been swapped for something else in between; what
    // counts is what was opened.
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return std::nullopt;
    }
    return SoundFile(descriptor, static_cast<std::uint64_t>(status.st_size));
}

SoundFile::SoundFile(SoundFile&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)), size_(other.size_), bytesRead_(other.bytesRead_) {}

SoundFile::~SoundFile() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}

bool SoundFile::readAt(std::uint64_t offset, std::span<std::uint8_t> out) {
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t got = ::pread(descriptor_, out.data() + done, out.size() - done,
                                    static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;  // an error, or the file is shorter than it was
        }
        done += static_cast<std::size_t>(got);
        bytesRead_ += static_cast<std::uint64_t>(got);
    }
    return true;
}

}  // namespace pelmora::sound
