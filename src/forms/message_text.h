#pragma once
// Message texts made to fit on any screen: a line too long to show is wrapped
// at its blanks, so words stay whole; a run without blanks that is still too
// long for a line (a path many folders deep) keeps its start and its end with
// "..." between them; and a text of too many lines keeps its first and its
// last lines.

#include <cstddef>
#include <string>
#include <string_view>

namespace tessary {

inline constexpr std::size_t kMessageLineChars = 80;
inline constexpr std::size_t kMessageLines = 16;

// Lines are cut at "\n"; lengths count characters of UTF-8 text (any other
// byte counts as one), and a cut never splits a character. A line wrapped at
// a blank loses the blanks at the break.
std::string FitMessageText(std::string_view text, std::size_t maxLineChars = kMessageLineChars,
                           std::size_t maxLines = kMessageLines);

}  // namespace tessary
