#pragma once
#include <cstdint>
#include <string>

namespace tessary {

// The drives to examine, in the order they are searched, and their types,
// as the drive-type query of the platform reports them (0 to 6, Win32
// codes). A machine has the drives "A:\" to "O:\" (index 0 to 14); a front
// that knows several machines (the Wine prefixes of one home folder) lists
// their drives one machine after another.
class Drives {
public:
    virtual ~Drives() = default;
    // The number of drives, indexes 0 to Count() - 1; the places are looked
    // up when first asked for, not before.
    virtual int Count() { return 15; }
    virtual std::string Root(int index) const = 0;
    virtual std::int32_t DriveType(const std::string& root) = 0;
    // For the player when the game is not found: the places searched and
    // how to name another; empty when there is nothing to add.
    virtual std::string SearchedPlaces() const { return {}; }
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
