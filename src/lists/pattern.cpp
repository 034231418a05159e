#include "lists/pattern.h"

namespace tessary {

namespace {

std::string_view Trim(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

char Folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

FilePattern::FilePattern(std::string_view pattern) {
    while (true) {
        const auto separator = pattern.find(';');
        const auto part = Trim(pattern.substr(0, separator));
        if (!part.empty()) parts_.emplace_back(part);
        if (separator == std::string_view::npos) break;
        pattern.remove_prefix(separator + 1);
    }
}

bool FilePattern::Matches(std::string_view name) const {
    for (const auto& part : parts_) {
        if (WildcardMatch(part, name)) return true;
    }
    return false;
}

bool FilePattern::MatchesIgnoringCase(std::string_view name) const {
    for (const auto& part : parts_) {
        if (WildcardMatch(part, name, true)) return true;
    }
    return false;
}

// Greedy matching with a single backtrack point: the last "*" seen. This is
// linear for the usual patterns and never worse than quadratic.
bool WildcardMatch(std::string_view pattern, std::string_view name, bool ignoreCase) {
    std::size_t p = 0, n = 0;
    std::size_t starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        // A "*" is a wildcard even where the name holds a "*" of its own.
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n] ||
                                          (ignoreCase && Folded(pattern[p]) == Folded(name[n])))) {
            ++p;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace tessary
