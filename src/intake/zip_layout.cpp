#include "intake/zip_layout.h"

#include <algorithm>
#include <string_view>

#include <zlib.h>

#include "intake/name_text.h"

namespace tessary {

namespace {

constexpr std::uint32_t kEndSignature = 0x06054b50;
constexpr std::uint32_t kZip64LocatorSignature = 0x07064b50;
constexpr std::uint32_t kDirectorySignature = 0x02014b50;
constexpr std::uint32_t kLocalSignature = 0x04034b50;
constexpr std::size_t kEndSize = 22, kDirectorySize = 46, kLocalSize = 30;
constexpr std::uint16_t kEncrypted = 0x0001, kStrongEncryption = 0x0040, kUtf8Name = 0x0800;
constexpr std::uint16_t kSizesAfterData = 0x0008;
constexpr std::uint16_t kUnicodePathField = 0x7075;

[[noreturn]] void Damaged(const std::string& what) {
    throw IntakeRefused("the archive is damaged (" + what + ")");
}

std::string ReadBytes(const ByteSource& bytes, std::uint64_t offset, std::size_t size) {
    std::string out(size, '\0');
    bytes.ReadAt(offset, out.data(), size);
    return out;
}

const unsigned char* Raw(const std::string& s, std::size_t at = 0) {
    return reinterpret_cast<const unsigned char*>(s.data()) + at;
}

struct EndRecord {
    std::uint64_t at = 0;
    std::uint32_t entries = 0, directorySize = 0, directoryOffset = 0;
};

EndRecord FindEnd(const ByteSource& bytes, const IntakeLimits& limits) {
    const std::uint64_t size = bytes.Size();
    if (size < kEndSize) throw IntakeRefused("it is no zip archive");
    const std::uint64_t tailStart = size - std::min<std::uint64_t>(size, kEndSize + 0xFFFF);
    const std::string tail = ReadBytes(bytes, tailStart, static_cast<std::size_t>(size - tailStart));
    for (std::size_t at = tail.size() - kEndSize + 1; at-- > 0;) {
        const unsigned char* p = Raw(tail, at);
        if (LittleEndian32(p) != kEndSignature || at + kEndSize + LittleEndian16(p + 20) > tail.size())
            continue;
        EndRecord end{tailStart + at, LittleEndian16(p + 10), LittleEndian32(p + 12), LittleEndian32(p + 16)};
        if (LittleEndian16(p + 4) != 0 || LittleEndian16(p + 6) != 0 ||
            LittleEndian16(p + 8) != end.entries) {
            throw IntakeRefused("it is one part of an archive split into several files");
        }
        const bool zip64Locator = at >= 20 && LittleEndian32(Raw(tail, at - 20)) == kZip64LocatorSignature;
        if (zip64Locator || end.entries == 0xFFFF || end.directorySize == 0xFFFFFFFF ||
            end.directoryOffset == 0xFFFFFFFF) {
            throw IntakeRefused("it is in the large-archive form (ZIP64), which is not read");
        }
        if (end.entries > limits.maxEntries) {
            throw IntakeRefused("it holds more than " + std::to_string(limits.maxEntries) + " entries");
        }
        if (std::uint64_t{end.directoryOffset} + end.directorySize > end.at)
            Damaged("directory out of place");
        return end;
    }
    throw IntakeRefused("it is no zip archive");
}

// The Info-ZIP Unicode Path field's name, when the field is there and was
// written for this very raw name.
std::optional<std::string> UnicodePath(std::string_view extra, std::string_view rawName) {
    while (extra.size() >= 4) {
        const auto* p = reinterpret_cast<const unsigned char*>(extra.data());
        const std::uint16_t id = LittleEndian16(p), length = LittleEndian16(p + 2);
        if (length > extra.size() - 4) return std::nullopt;
        if (id == kUnicodePathField && length >= 5 && p[4] == 1) {
            const uLong crc =
                crc32(0, reinterpret_cast<const Bytef*>(rawName.data()), static_cast<uInt>(rawName.size()));
            std::string name(extra.substr(9, length - 5));
            if (LittleEndian32(p + 5) == crc && IsUtf8(name)) return name;
            return std::nullopt;
        }
        extra.remove_prefix(4 + length);
    }
    return std::nullopt;
}

EntryKind KindOf(std::uint16_t madeBy, std::uint32_t attributes, std::string_view name) {
    if (!name.empty() && (name.back() == '/' || name.back() == '\\')) return EntryKind::Folder;
    const unsigned host = madeBy >> 8;
    if (host == 3 || host == 19) {  // Unix, OS X: the file's mode in the upper half
        switch ((attributes >> 16) & 0170000) {
        case 0:
        case 0100000: return EntryKind::File;
        case 0040000: return EntryKind::Folder;
        case 0120000: return EntryKind::Link;
        default: return EntryKind::Other;
        }
    }
    return (attributes & 0x10) ? EntryKind::Folder : EntryKind::File;
}

ZipItem ReadDirectoryEntry(const std::string& directory, std::size_t& at, std::string& rawName) {
    if (directory.size() - at < kDirectorySize || LittleEndian32(Raw(directory, at)) != kDirectorySignature) {
        Damaged("directory entry");
    }
    const unsigned char* p = Raw(directory, at);
    const std::uint16_t flags = LittleEndian16(p + 8);
    const std::size_t nameLength = LittleEndian16(p + 28), extraLength = LittleEndian16(p + 30),
                      commentLength = LittleEndian16(p + 32);
    if (directory.size() - at - kDirectorySize < nameLength + extraLength + commentLength)
        Damaged("directory entry");
    ZipItem item;
    item.flags = flags;
    item.method = LittleEndian16(p + 10);
    item.crc = LittleEndian32(p + 16);
    item.packedSize = LittleEndian32(p + 20);
    item.size = LittleEndian32(p + 24);
    item.dataStart = LittleEndian32(p + 42);  // the local header, until it is read
    if (item.packedSize == 0xFFFFFFFF || item.size == 0xFFFFFFFF || item.dataStart == 0xFFFFFFFF) {
        throw IntakeRefused("it is in the large-archive form (ZIP64), which is not read");
    }
    if (LittleEndian16(p + 34) != 0)
        throw IntakeRefused("it is one part of an archive split into several files");
    rawName = directory.substr(at + kDirectorySize, nameLength);
    const std::string_view extra =
        std::string_view(directory).substr(at + kDirectorySize + nameLength, extraLength);
    ArchiveEntry& entry = item.entry;
    if (flags & kUtf8Name) {
        entry.name = rawName;
        if (!IsUtf8(rawName)) entry.problem = "its name is marked as UTF-8 but is not";
    } else {
        entry.name = UnicodePath(extra, rawName).value_or(Cp437ToUtf8(rawName));
    }
    entry.kind = KindOf(LittleEndian16(p + 4), LittleEndian32(p + 38), entry.name);
    entry.encrypted = (flags & (kEncrypted | kStrongEncryption)) != 0 || item.method == 99;
    if (!entry.encrypted && entry.kind == EntryKind::File && item.method != 0 && item.method != 8) {
        entry.problem = "it is packed by a method that is not read (" + std::to_string(item.method) + ")";
    }
    at += kDirectorySize + nameLength + extraLength + commentLength;
    return item;
}

// Checks the local header of item against the directory and sets where its
// data starts.
void ReadLocalHeader(const ByteSource& bytes, ZipItem& item, const std::string& rawName,
                     std::uint64_t directoryOffset) {
    const std::uint64_t offset = item.dataStart;
    if (offset + kLocalSize + rawName.size() > directoryOffset) Damaged("entry out of place");
    const std::string header = ReadBytes(bytes, offset, kLocalSize + rawName.size());
    const unsigned char* p = Raw(header);
    const std::uint16_t flags = LittleEndian16(p + 6);
    const bool agrees = LittleEndian32(p) == kLocalSignature &&
                        (flags & kEncrypted) == (item.flags & kEncrypted) &&
                        LittleEndian16(p + 8) == item.method && LittleEndian16(p + 26) == rawName.size() &&
                        header.compare(kLocalSize, std::string::npos, rawName) == 0 &&
                        ((flags & kSizesAfterData) ||
                         (LittleEndian32(p + 14) == item.crc && LittleEndian32(p + 18) == item.packedSize &&
                          LittleEndian32(p + 22) == item.size));
    if (!agrees) throw IntakeRefused("an entry's own header disagrees with the archive's directory");
    item.dataStart = offset + kLocalSize + LittleEndian16(p + 26) + LittleEndian16(p + 28);
    if (item.dataStart + item.packedSize > directoryOffset) Damaged("entry out of place");
}

}  // namespace

std::vector<ZipItem> ReadZipLayout(const ByteSource& bytes, const IntakeLimits& limits) {
    const EndRecord end = FindEnd(bytes, limits);
    const std::string directory = ReadBytes(bytes, end.directoryOffset, end.directorySize);
    std::vector<ZipItem> items;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> spans;  // header start, data end
    std::size_t at = 0;
    for (std::uint32_t i = 0; i < end.entries; ++i) {
        std::string rawName;
        ZipItem item = ReadDirectoryEntry(directory, at, rawName);
        const std::uint64_t start = item.dataStart;
        ReadLocalHeader(bytes, item, rawName, end.directoryOffset);
        spans.emplace_back(start, item.dataStart + item.packedSize);
        items.push_back(std::move(item));
    }
    std::sort(spans.begin(), spans.end());
    for (std::size_t i = 1; i < spans.size(); ++i) {
        if (spans[i].first < spans[i - 1].second)
            throw IntakeRefused("its entries overlap one another (a crafted archive)");
    }
    return items;
}

}  // namespace tessary
