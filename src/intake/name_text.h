#pragma once
// The text of names that come from archives and dropped files.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessary {

// A name stored in code page 437 (zip names without the UTF-8 mark), as UTF-8.
std::string Cp437ToUtf8(std::string_view raw);

// How many UTF-16 units the UTF-8 text takes (as Windows counts a name's
// length); nothing when it is not well-formed UTF-8.
std::optional<std::size_t> Utf16Length(std::string_view text);

inline bool IsUtf8(std::string_view text) { return Utf16Length(text).has_value(); }

}  // namespace tessary
