// Somewhere bytes can be read from at any offset: a sound file on disk, or
// bytes already in memory.
#pragma once

#include <cstdint>
#include <cstring>
#include <span>

namespace pelmora::sound {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Total bytes the source holds.
    virtual std::uint64_t size() const = 0;
    // Fills `out` from `offset` on. False when the source cannot give all of
    // them (past its end, or a read error).
    virtual bool readAt(std::uint64_t offset, std::span<std::uint8_t> out) = 0;
};

// Bytes held by the caller, who keeps them alive while the source is used.
class MemoryBytes final : public ByteSource {
public:
    explicit MemoryBytes(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::uint64_t size() const override { return bytes_.size(); }
    bool readAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
        if (offset > bytes_.size() || out.size() > bytes_.size() - offset) {
            return false;
        }
        if (!out.empty()) {
            std::memcpy(out.data(), bytes_.data() + offset, out.size());
        }
        return true;
    }

private:
    std::span<const std::uint8_t> bytes_;
};

}  // namespace pelmora::sound
