#pragma once
// Read-only bytes to take files from: a dropped archive on the disk, or an
// archive held in memory because it came out of another archive.

#include <cstddef>
#include <cstdint>
#include <string>

namespace tessary {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t Size() const = 0;
    // Reads exactly size bytes from offset; fails (IntakeRefused or
    // RuntimeFailure) when they are not all there.
    virtual void ReadAt(std::uint64_t offset, void* into, std::size_t size) const = 0;
};

// Bytes held in memory.
class MemoryBytes final : public ByteSource {
public:
    explicit MemoryBytes(std::string bytes) : bytes_(std::move(bytes)) {}
    std::uint64_t Size() const override { return bytes_.size(); }
    void ReadAt(std::uint64_t offset, void* into, std::size_t size) const override;

private:
    std::string bytes_;
};

}  // namespace tessary
