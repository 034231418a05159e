#pragma once
// The order in which the file lists show names, the same on every platform.

#include <string_view>

namespace tessary {

// Case-insensitive natural order: runs of digits compare by their value
// ("map2" before "map10"), other bytes by their ASCII lower case; names equal
// that way are ordered by their raw bytes, so the order is total.
bool NaturalLess(std::string_view a, std::string_view b);

}  // namespace tessary
