#pragma once
// Message texts made to fit on any screen: a line too long to show (a path
// many folders deep) keeps its start and its end with "..." between them, and
// a text of too many lines keeps its first and its last lines.

#include <cstddef>
#include <string>
#include <string_view>

namespace tessary {

inline constexpr std::size_t kMessageLineChars = 80;
inline constexpr std::size_t kMessageLines = 16;

// Lines are cut at "\n"; lengths count characters of UTF-8 text (any other
// byte counts as one), and a cut never splits a character.
std::string FitMessageText(std::string_view text, std::size_t maxLineChars = kMessageLineChars,
                           std::size_t maxLines = kMessageLines);

}  // namespace tessary
