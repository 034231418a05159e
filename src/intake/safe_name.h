#pragma once
// Whether a bare file name is one Windows (and so the game under Wine)
// accepts, so a taken file can be written under it on either system.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessary {

// The longest name, in UTF-16 units, that Windows takes for one file.
inline constexpr std::size_t kLongestSafeName = 255;

// Why the UTF-8 name cannot be a file's name on Windows, in a player's
// words; nothing when it can. Refused: an empty name, "." and "..", the
// characters < > : " / \ | ? * and control characters, a blank or dot at
// the end, a reserved device name (CON, PRN, AUX, NUL, COM1-9, LPT1-9,
// CONIN$, CONOUT$) with or without an extension, in any letter case, a name
// that is not UTF-8, and one longer than kLongestSafeName.
std::optional<std::string> WhyUnsafeName(std::string_view name);

}  // namespace tessary
