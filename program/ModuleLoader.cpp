#include "program/ModuleLoader.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <link.h>
#include <sys/mman.h>
#include <unistd.h>

#include <QByteArray>
#include <QCryptographicHash>
#include <cerrno>
#include <cstring>

#include "ui/sound/SoundFile.h"

namespace pelmora {
namespace {

// Writes all of `bytes` to `descriptor`.
bool writeAll(int descriptor, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> readBuiltModule(const std::string& path, const ModuleFingerprint& built) {
    auto file = sound::SoundFile::open(path);
    if (!file || file->size() != built.size) return std::nullopt;
    std::vector<std::uint8_t> bytes(built.size);
    if (!file->readAt(0, bytes)) return std::nullopt;  // cut short since it was opened
    const QByteArray digest =
        QCryptographicHash::hash(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
                                 QCryptographicHash::Sha256)
            .toHex();
    if (digest != built.sha256) return std::nullopt;
    return bytes;
}

void* loadModule(std::span<const std::uint8_t> bytes) {
    const int memory = ::memfd_create("pelmora-sound.so", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    if (memory < 0) return nullptr;
    void* module = nullptr;
    constexpr int kSealed = F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_WRITE | F_SEAL_SEAL;
    if (writeAll(memory, bytes) && ::fcntl(memory, F_ADD_SEALS, kSealed) == 0) {
        const std::string path = "/proc/self/fd/" + std::to_string(memory);
        module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    }
    ::close(memory);  // a loaded module keeps its own mapping
    return module;
}

void* exportedFunction(void* module, const char* name) {
    void* address = ::dlsym(module, name);
    Dl_info found{};
    void* entry = nullptr;
    if (address == nullptr || ::dladdr1(address, &found, &entry, RTLD_DL_SYMENT) == 0 || entry == nullptr ||
        found.dli_sname == nullptr || std::strcmp(found.dli_sname, name) != 0)
        return nullptr;
    // The type sits in the same bits of a 32-bit symbol's st_info.
    const auto* symbol = static_cast<const ElfW(Sym)*>(entry);
    return ELF64_ST_TYPE(symbol->st_info) == STT_FUNC ? address : nullptr;
}

}  // namespace pelmora
