#pragma once
#include <cstdint>
#include <string>

namespace tessary {

// The machine's drives "A:\" to "O:\" (index 0 to 14) and their types, as
// the drive-type query of the platform reports them (0 to 6, Win32 codes).
class Drives {
public:
    virtual ~Drives() = default;
    virtual std::string Root(int index) const = 0;
    virtual std::int32_t DriveType(const std::string& root) = 0;
};

// The search of one drive's folder tree for a file name.
class TreeSearch {
public:
    virtual ~TreeSearch() = default;
    // The full path of the first file named fileName (letter case ignored)
    // under root, or empty. May raise a RuntimeFailure.
    virtual std::string Find(const std::string& root, const std::string& fileName) = 0;
};

}  // namespace tessary
