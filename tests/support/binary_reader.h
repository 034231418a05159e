#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

// Little-endian reading of the program's binary assets, for the forms tests.
namespace tessary::testing {

using Bytes = std::vector<std::uint8_t>;

inline std::filesystem::path SourceDir() {
    const char* dir = std::getenv("TESSARY_SOURCE_DIR");
    if (dir == nullptr) throw std::runtime_error("TESSARY_SOURCE_DIR is not set");
    return dir;
}

inline Bytes ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path.string());
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::uint16_t U16(const Bytes& b, std::size_t at) {
    if (at + 2 > b.size()) throw std::out_of_range("read past the end");
    return std::uint16_t(b[at] | b[at + 1] << 8);
}

inline std::uint32_t U32(const Bytes& b, std::size_t at) {
    if (at + 4 > b.size()) throw std::out_of_range("read past the end");
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}

inline std::int32_t I32(const Bytes& b, std::size_t at) { return std::int32_t(U32(b, at)); }

}  // namespace tessary::testing
