#include "mapwindow/move_record.h"

#include <charconv>
#include <cstdio>

namespace tessary {

namespace {

constexpr const char* kHeader = "tessary-transfer 1";

// Fields are joined by tabs; a tab, a line break, a carriage return or a
// percent sign inside one is written as %XX, so any name fits.
std::string Escaped(const std::string& field) {
    std::string out;
    for (const char c : field) {
        if (c == '\t' || c == '\n' || c == '\r' || c == '%') {
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", static_cast<unsigned char>(c));
            out += code;
        } else {
            out += c;
        }
    }
    return out;
}

std::string Unescaped(const std::string& field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        unsigned value = 0;
        if (field[i] == '%' && i + 2 < field.size() &&
            std::from_chars(field.data() + i + 1, field.data() + i + 3, value, 16).ptr ==
                field.data() + i + 3) {
            out += static_cast<char>(value);
            i += 2;
        } else {
            out += field[i];
        }
    }
    return out;
}

std::string Line(std::initializer_list<std::string> fields) {
    std::string line;
    for (const auto& field : fields) line += (line.empty() ? "" : "\t") + Escaped(field);
    return line;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const auto tab = line.find('\t', start);
        fields.push_back(
            Unescaped(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start)));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

std::string StampText(const FileStamp& stamp) {
    return std::to_string(stamp.device) + ":" + std::to_string(stamp.file) + ":" +
           std::to_string(stamp.size) + ":" + std::to_string(stamp.modified);
}

bool ReadStamp(const std::string& text, FileStamp& stamp) {
    const char* at = text.data();
    const char* end = text.data() + text.size();
    for (auto* value : {&stamp.device, &stamp.file, &stamp.size}) {
        const auto read = std::from_chars(at, end, *value);
        if (read.ec != std::errc() || read.ptr == end || *read.ptr != ':') return false;
        at = read.ptr + 1;
    }
    const auto read = std::from_chars(at, end, stamp.modified);
    return read.ec == std::errc() && read.ptr == end;
}

std::string PlaceText(SetAside::Place place) {
    return place == SetAside::Place::Trash ? "trash" : "replaced";
}

bool ReadIndex(const std::string& text, std::size_t count, std::size_t& index) {
    const auto read = std::from_chars(text.data(), text.data() + text.size(), index);
    return read.ec == std::errc() && read.ptr == text.data() + text.size() && index < count;
}

}  // namespace

std::vector<std::string> PlanLines(const MoveRecord& record) {
    std::vector<std::string> lines{kHeader};
    for (const auto& file : record.moving)
        lines.push_back(Line({"move", file.from, file.to, StampText(file.stamp)}));
    for (const auto& file : record.replaced) lines.push_back(Line({"old", file.path, StampText(file.stamp)}));
    lines.push_back("plan-end");
    return lines;
}

std::string RenameTryLine(std::size_t file) { return Line({"rename-try", std::to_string(file)}); }
std::string CopyTryLine(std::size_t file, const std::string& staged) {
    return Line({"copy-try", std::to_string(file), staged});
}
std::string StagedLine(std::size_t file, const FileStamp& stamp) {
    return Line({"staged", std::to_string(file), StampText(stamp)});
}
std::string AsideTryLine(std::size_t file, const SetAside& target) {
    return Line({"aside-try", std::to_string(file), PlaceText(target.place), target.path});
}
std::string AsideLine(std::size_t file, const SetAside& where) {
    return Line({"aside", std::to_string(file), PlaceText(where.place), where.path});
}
std::string BackLine(std::size_t file) { return Line({"back", std::to_string(file)}); }
std::string PlacedLine() { return "placed"; }
std::string TakingBackLine() { return "taking-back"; }

std::optional<MoveRecord> ReadMoveRecord(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const auto end = text.find('\n', start);
        if (end == std::string::npos) break;  // a last line without its end was cut off
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (lines.empty() || lines.front() != kHeader) return std::nullopt;
    MoveRecord record;
    bool planned = false;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> f = Fields(lines[i]);
        const std::string& kind = f[0];
        std::size_t index = 0;
        if (!planned) {
            if (kind == "move" && f.size() == 4) {
                MovingFile file = MovingFile::Planned(f[1], f[2], {});
                if (!ReadStamp(f[3], file.stamp)) return std::nullopt;
                record.moving.push_back(file);
            } else if (kind == "old" && f.size() == 3) {
                ReplacedFile file = ReplacedFile::Planned(f[1], {});
                if (!ReadStamp(f[2], file.stamp)) return std::nullopt;
                record.replaced.push_back(file);
            } else if (kind == "plan-end" && !record.moving.empty()) {
                planned = true;
            } else {
                return std::nullopt;
            }
            continue;
        }
        const std::size_t moving = record.moving.size(), replaced = record.replaced.size();
        if (kind == "rename-try" && f.size() == 2 && ReadIndex(f[1], moving, index)) {
            record.moving[index].method = MovingFile::Method::Rename;
        } else if (kind == "copy-try" && f.size() == 3 && ReadIndex(f[1], moving, index)) {
            record.moving[index].method = MovingFile::Method::Copy;
            record.moving[index].staged = f[2];
        } else if (kind == "staged" && f.size() == 3 && ReadIndex(f[1], moving, index)) {
            FileStamp stamp;
            if (!ReadStamp(f[2], stamp)) return std::nullopt;
            record.moving[index].stagedStamp = stamp;
        } else if ((kind == "aside-try" || kind == "aside") && f.size() == 4 &&
                   ReadIndex(f[1], replaced, index) && (f[2] == "trash" || f[2] == "replaced")) {
            const SetAside where{f[2] == "trash" ? SetAside::Place::Trash : SetAside::Place::ReplacedMaps,
                                 f[3]};
            (kind == "aside" ? record.replaced[index].aside : record.replaced[index].tried) = where;
        } else if (kind == "back" && f.size() == 2 && ReadIndex(f[1], replaced, index)) {
            record.replaced[index].aside.reset();
            record.replaced[index].tried.reset();
        } else if (kind == "placed") {
            record.placed = true;
        } else if (kind == "taking-back") {
            record.takingBack = true;
        } else {
            return std::nullopt;
        }
    }
    if (!planned) return std::nullopt;
    return record;
}

}  // namespace tessary
