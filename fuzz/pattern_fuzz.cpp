// The list pattern matcher: the pattern and the name both from the input,
// split at the first NUL byte.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "lists/pattern.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto split = input.find('\0');
    const std::string_view pattern = input.substr(0, split);
    const std::string_view name =
        split == std::string_view::npos ? std::string_view() : input.substr(split + 1);
    const tessary::FilePattern patterns(pattern);
    const bool any = patterns.Matches(name);
    bool each = false;
    for (const auto& part : patterns.Parts()) each = each || tessary::WildcardMatch(part, name);
    if (any != each) std::abort();
    // A pattern always matches itself when it holds no wildcard bytes.
    if (pattern.find_first_of("*?") == std::string_view::npos && !tessary::WildcardMatch(pattern, pattern)) {
        std::abort();
    }
    if (!tessary::WildcardMatch("*", name)) std::abort();
    return 0;
}
