#include "forms/message_text.h"

#include <vector>

namespace tessary {

namespace {

constexpr std::string_view kEllipsis = "...";

bool StartsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

// Byte offsets where the characters of the line start.
std::vector<std::size_t> CharacterStarts(std::string_view line) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (StartsCharacter(line[i]) || i == 0) starts.push_back(i);
    }
    return starts;
}

std::string FitLine(std::string_view line, std::size_t maxChars) {
    const std::vector<std::size_t> starts = CharacterStarts(line);
    if (starts.size() <= maxChars || maxChars <= kEllipsis.size()) return std::string(line);
    const std::size_t kept = maxChars - kEllipsis.size();
    const std::size_t head = kept - kept / 2;
    const std::size_t tail = kept / 2;
    std::string fitted(line.substr(0, starts[head]));
    fitted += kEllipsis;
    fitted += line.substr(starts[starts.size() - tail]);
    return fitted;
}

}  // namespace

std::string FitMessageText(std::string_view text, std::size_t maxLineChars, std::size_t maxLines) {
    std::vector<std::string> lines;
    while (true) {
        const auto end = text.find('\n');
        lines.push_back(FitLine(text.substr(0, end), maxLineChars));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    if (maxLines >= 2 && lines.size() > maxLines) {
        const std::size_t tail = (maxLines - 1) / 2;
        const std::size_t head = maxLines - 1 - tail;
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(head),
                    lines.end() - static_cast<std::ptrdiff_t>(tail));
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(head), std::string(kEllipsis));
    }
    std::string fitted;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i != 0) fitted += '\n';
        fitted += lines[i];
    }
    return fitted;
}

}  // namespace tessary
