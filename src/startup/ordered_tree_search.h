#pragma once
// A tree search that takes a whole row of roots at once, so that it may walk
// them side by side, and still gives the file that searching them one after
// another, in their order, would give.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tessary {

struct FoundInRow {
    std::size_t root = 0;  // index into the row
    std::string path;      // as TreeSearch::Find gives it for that root
};

class OrderedTreeSearch {
public:
    virtual ~OrderedTreeSearch() = default;
    // The first file named fileName (letter case ignored) under the first
    // root that holds one, or nothing. `reached` is told, on the calling
    // thread and in order, each root the search has come to: all roots
    // before it are then finished or about to be.
    virtual std::optional<FoundInRow> FindFirst(const std::vector<std::string>& roots,
                                                const std::string& fileName,
                                                const std::function<void(std::size_t)>& reached) = 0;
};

}  // namespace tessary
