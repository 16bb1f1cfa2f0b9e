#include "ui/ProgramFolder.h"

#include <unistd.h>

namespace pelmora {

std::string programFolder() {
    // Longer than any path Linux resolves (PATH_MAX is 4096). An array, so
    // that a fortified build checks the size given against the buffer.
    char path[8192];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof path) {
        return {};
    }
    std::string folder(path, static_cast<std::size_t>(length));
    const auto slash = folder.rfind('/');
    if (slash == std::string::npos) {
        return {};
    }
    folder.resize(slash == 0 ? 1 : slash);  // a program in / keeps its "/"
    return folder;
}

}  // namespace pelmora
