#pragma once
// The program keeps its texts as UTF-8 std::string; the Windows API takes
// UTF-16. These conversions are the only place where the two meet, and the
// ANSI code page conversions are the only place 8-bit text files are made.

#include <optional>
#include <string>
#include <string_view>

namespace tessary {

// UTF-8 to UTF-16. Fails (RuntimeFailure) on bytes that are not UTF-8.
std::wstring Widen(std::string_view utf8);
// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string Narrow(std::wstring_view utf16);

// The text in the system's ANSI code page, or nothing when the code page
// cannot hold it exactly: no best-fit look-alikes, no default characters,
// and the bytes convert back to the very same text.
std::optional<std::string> ToAnsiExactly(std::wstring_view text);
// Text in the ANSI code page to UTF-16; nothing when a byte is not valid
// there.
std::optional<std::wstring> FromAnsi(std::string_view bytes);

}  // namespace tessary
