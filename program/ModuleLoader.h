// Loads the sound module only when it is the very module this build made,
// and calls into it only through a function it exports. A module path is
// read like a sound file: whatever lies there (a pipe, a folder, a file cut
// short by a full disk, another library) plays the default sound instead.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pelmora {

// What the build recorded of the module it made: its size in bytes and the
// SHA-256 of those bytes, in lower-case hexadecimal.
struct ModuleFingerprint {
    std::uint64_t size;
    const char* sha256;
};

// The sound module this build made (written by the build, see
// program/CMakeLists.txt).
extern const ModuleFingerprint kBuiltSoundModule;

// The bytes of the regular file at `path` when they are exactly the module
// `built` describes; empty otherwise. Never blocks on what is not a regular
// file, and reads no more than `built.size` bytes.
std::optional<std::vector<std::uint8_t>> readBuiltModule(const std::string& path, const ModuleFingerprint& built);

// Loads a module from `bytes` themselves, not from a path that could be
// changed or cut short between the check and the load: they are copied into
// sealed memory, which nothing can change any more, and loaded from there.
// Null if the system refuses.
void* loadModule(std::span<const std::uint8_t> bytes);

// The function `name` that `module` exports; null when there is no such
// symbol or it is not a function (data of that name is never called).
void* exportedFunction(void* module, const char* name);

}  // namespace pelmora
