#include "intake/safe_name.h"

#include <array>

#include "intake/name_text.h"

namespace tessary {

namespace {

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

// Windows takes the part before the first dot, blanks at its end dropped, for
// the device: "con.gmx", "CON .gmx" and "Con.tar.gmx" all name the console.
bool IsDeviceName(std::string_view name) {
    std::string_view stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
    const std::string upper = Upper(stem);
    static constexpr std::array<std::string_view, 6> kPlain = {"CON", "PRN",    "AUX",
                                                               "NUL", "CONIN$", "CONOUT$"};
    for (const auto device : kPlain) {
        if (upper == device) return true;
    }
    if (upper.size() < 4) return false;
    const std::string_view head = std::string_view(upper).substr(0, 3);
    if (head != "COM" && head != "LPT") return false;
    const std::string_view number = std::string_view(upper).substr(3);
    // Windows also counts the superscript digits one to three as port numbers.
    return (number.size() == 1 && number[0] >= '1' && number[0] <= '9') || number == "\xC2\xB9" ||
           number == "\xC2\xB2" || number == "\xC2\xB3";
}

}  // namespace

std::optional<std::string> WhyUnsafeName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return "it has no name of its own";
    const std::optional<std::size_t> length = Utf16Length(name);
    if (!length) return "its name is not readable text (not UTF-8)";
    if (*length > kLongestSafeName) return "its name is longer than Windows allows";
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return "its name holds a control character";
        if (std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos) {
            return std::string("its name holds the character ") + c + ", which Windows does not allow";
        }
    }
    if (name.back() == '.' || name.back() == ' ')
        return "its name ends in a dot or a blank, which Windows drops";
    if (IsDeviceName(name)) return "its name is reserved for a device on Windows";
    return std::nullopt;
}

}  // namespace tessary
