#include "front/posix/wine_registry.h"

#include <optional>

namespace tessary {

namespace {

constexpr std::string_view kDrivesKey = "software\\\\wine\\\\drives";

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = Lower(c);
    return lower;
}

// A quoted registry string at the start of text, with \\ and \" escapes;
// text is advanced past it.
std::optional<std::string> TakeQuoted(std::string_view& text) {
    if (text.empty() || text.front() != '"') return std::nullopt;
    std::string value;
    for (std::size_t i = 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            text.remove_prefix(i + 1);
            return value;
        }
        if (c == '\\' && i + 1 < text.size()) ++i;
        value += text[i];
    }
    return std::nullopt;
}

// The section name of a line "[name] stamp", or nothing for other lines.
std::optional<std::string_view> SectionName(std::string_view line) {
    if (line.empty() || line.front() != '[') return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos) return std::string_view();
    return line.substr(1, close - 1);
}

}  // namespace

std::map<char, std::string> ParseWineDriveTypes(std::string_view systemReg) {
    std::map<char, std::string> types;
    bool inDrives = false;
    while (!systemReg.empty()) {
        const auto end = systemReg.find('\n');
        std::string_view line = systemReg.substr(0, end);
        systemReg.remove_prefix(end == std::string_view::npos ? systemReg.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        if (const auto section = SectionName(line)) {
            inDrives = Lower(*section) == kDrivesKey;
            continue;
        }
        if (!inDrives) continue;
        const auto name = TakeQuoted(line);
        if (!name || name->size() != 2 || (*name)[1] != ':' || line.empty() || line.front() != '=') continue;
        const char letter = Lower((*name)[0]);
        if (letter < 'a' || letter > 'z') continue;
        line.remove_prefix(1);
        if (const auto value = TakeQuoted(line)) types[letter] = Lower(*value);
    }
    return types;
}

std::int32_t WineDriveTypeCode(const std::map<char, std::string>& types, char letter) {
    letter = Lower(letter);
    const auto it = types.find(letter);
    if (it == types.end()) return letter == 'a' || letter == 'b' ? 2 : 3;
    const std::string& value = it->second;
    if (value == "floppy") return 2;
    if (value == "network") return 4;
    if (value == "cdrom") return 5;
    if (value == "ramdisk") return 6;
    return 3;  // "hd" and any value Wine does not know
}

}  // namespace tessary
