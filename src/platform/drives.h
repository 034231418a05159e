#pragma once
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <vector>

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

// A file found under one root of a row of roots.
struct FoundInRow {
    std::size_t root = 0;  // index into the row
    std::string path;      // as TreeSearch::Find gives it for that root
};

// The search of one drive's folder tree for a file name.
class TreeSearch {
public:
    virtual ~TreeSearch() = default;
    // The full path of the first file named fileName (letter case ignored)
    // under root, or empty. May raise a RuntimeFailure.
    virtual std::string Find(const std::string& root, const std::string& fileName) = 0;
    // The first file named fileName under the first root of the row that
    // holds one, or nothing; a root that cannot be searched holds none.
    // `reached` is told, on the calling thread and in order, each root the
    // search comes to: every root before it is then finished or about to
    // be. Here the roots are searched one after another; a front may walk
    // them side by side, giving the same file.
    virtual std::optional<FoundInRow> FindFirst(const std::vector<std::string>& roots,
                                                const std::string& fileName,
                                                const std::function<void(std::size_t)>& reached) {
        for (std::size_t i = 0; i < roots.size(); ++i) {
            if (reached) reached(i);
            try {
                if (std::string found = Find(roots[i], fileName); !found.empty()) return FoundInRow{i, found};
            } catch (const std::exception&) {
                // Searched in vain.
            }
        }
        return std::nullopt;
    }
};

}  // namespace tessary
