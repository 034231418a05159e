#pragma once
// File-list patterns: one or more wildcard patterns separated by ";" with
// optional blanks, such as "*.gmx; *.GMX". "*" matches any run of
// characters and "?" any one character; everything else matches itself.

#include <string>
#include <string_view>
#include <vector>

namespace tessary {

class FilePattern {
public:
    explicit FilePattern(std::string_view pattern);

    // True when the name matches any of the patterns.
    bool Matches(std::string_view name) const;
    // The same, with letters compared without regard to case (ASCII), as a
    // file system that compares names that way does.
    bool MatchesIgnoringCase(std::string_view name) const;

    const std::vector<std::string>& Parts() const { return parts_; }

private:
    std::vector<std::string> parts_;
};

// Matches one wildcard pattern against a name, byte for byte, in time
// proportional to their lengths' product at worst.
bool WildcardMatch(std::string_view pattern, std::string_view name, bool ignoreCase = false);

}  // namespace tessary
