#pragma once
// Names in real folders as the game launchers look them up: Steam matches
// its library paths and its "steamapps" folders without regard to letter
// case, whatever the disk's own rules.

#include <string>
#include <vector>

namespace tessary {

// The names in a folder, "." and ".." left out, in byte order; none when it
// cannot be read.
std::vector<std::string> SortedNames(const std::string& folder);

// The paths of the entries of `folder` named `name` when ASCII letter case is
// ignored: the exact name first, then the others in byte order.
std::vector<std::string> ChildrenIgnoringCase(const std::string& folder, const std::string& name);

// The path that exists where the absolute `path` names it with each of its
// parts matched ignoring letter case (an exact part is taken first, else the
// first match in byte order); "" when there is none.
std::string ExistingPathIgnoringCase(const std::string& path);

}  // namespace tessary
