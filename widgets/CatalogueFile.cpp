#include "widgets/CatalogueFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

namespace pelmora::catalogueFile {
namespace {

// The sixteen bytes every .qm file begins with.
constexpr unsigned char kMagic[16] = {0x3C, 0xB8, 0x64, 0x18, 0xCA, 0xEF, 0x9C, 0x95,
                                      0xCD, 0x21, 0x1C, 0xBF, 0x60, 0xA1, 0xBD, 0xDD};

struct OpenFile {
    int fd;
    ~OpenFile() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

std::optional<QByteArray> read(const QString& path) {
    // Non-blocking, so that a FIFO put in the catalogue's place cannot hold
    // the game at start; fstat then refuses anything but a regular file.
    const OpenFile file{::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    struct stat status {};
    if (file.fd < 0 || ::fstat(file.fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size < static_cast<off_t>(sizeof kMagic) || status.st_size > kLargestBytes)
        return std::nullopt;

    QByteArray bytes(static_cast<qsizetype>(status.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(file.fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return std::nullopt;  // shrank while read, or failed
        done += got;
    }
    if (!bytes.startsWith(QByteArray::fromRawData(reinterpret_cast<const char*>(kMagic), sizeof kMagic)))
        return std::nullopt;
    return bytes;
}

}  // namespace pelmora::catalogueFile
