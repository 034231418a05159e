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

// Byte offset where character `index` of the text starts, or npos when the
// text has no more characters than that.
std::size_t CharacterOffset(std::string_view text, std::size_t index) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (StartsCharacter(text[i]) || i == 0) {
            if (seen == index) return i;
            ++seen;
        }
    }
    return std::string_view::npos;
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

bool IsBlank(char byte) { return byte == ' ' || byte == '\t'; }

std::string_view TrimBlanksRight(std::string_view text) {
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view TrimBlanksLeft(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return text;
}

std::size_t FindBlank(std::string_view text, std::size_t from) {
    for (std::size_t i = from; i < text.size(); ++i)
        if (IsBlank(text[i])) return i;
    return std::string_view::npos;
}

// Breaks the line at the last blank that leaves at most maxChars characters
// before it; a first word longer than that goes on a line of its own,
// shortened in its middle.
void WrapLine(std::string_view line, std::size_t maxChars, std::vector<std::string>& out) {
    while (true) {
        const std::size_t full = CharacterOffset(line, maxChars);
        if (full == std::string_view::npos || maxChars == 0) {
            out.emplace_back(line);
            return;
        }
        std::size_t breakAt = full;  // a blank right after a full line is a break too
        while (breakAt > 0 && !IsBlank(line[breakAt])) --breakAt;
        std::string_view head = TrimBlanksRight(line.substr(0, breakAt));
        if (breakAt == 0 || head.empty()) {
            const std::size_t wordStart = line.size() - TrimBlanksLeft(line).size();
            breakAt = FindBlank(line, wordStart);
            head = line.substr(0, breakAt);
            out.push_back(FitLine(head, maxChars));
            if (breakAt == std::string_view::npos) return;
        } else {
            out.emplace_back(head);
        }
        line = TrimBlanksLeft(line.substr(breakAt));
        if (line.empty()) return;
    }
}

}  // namespace

std::string FitMessageText(std::string_view text, std::size_t maxLineChars, std::size_t maxLines) {
    std::vector<std::string> lines;
    while (true) {
        const auto end = text.find('\n');
        WrapLine(text.substr(0, end), maxLineChars, lines);
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
