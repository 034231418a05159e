#pragma once
// The records of a zip archive as the directory lists them.

#include <cstdint>
#include <string>
#include <vector>

#include "intake/archive_reader.h"
#include "intake/byte_source.h"

namespace tessary {

struct ZipItem {
    ArchiveEntry entry;
    std::uint16_t flags = 0;
    std::uint16_t method = 0;
    std::uint32_t crc = 0;
    std::uint64_t packedSize = 0;
    std::uint64_t size = 0;  // as the directory says; checked, never trusted
    std::uint64_t dataStart = 0;
};

// The entries of the archive, checked as OpenZip describes.
std::vector<ZipItem> ReadZipLayout(const ByteSource& bytes, const IntakeLimits& limits);

inline std::uint16_t LittleEndian16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}
inline std::uint32_t LittleEndian32(const unsigned char* p) {
    return LittleEndian16(p) | static_cast<std::uint32_t>(LittleEndian16(p + 2)) << 16;
}

}  // namespace tessary
