#pragma once
// How the intake reads the names of dropped files and archive entries.

#include <memory>
#include <string>
#include <string_view>

#include "intake/archive_reader.h"
#include "intake/drop_reader.h"

namespace tessary {

enum class ArchiveType { None, Zip, SevenZip };

bool EndsWithNoCase(std::string_view name, std::string_view end);
inline bool IsMapFileName(std::string_view name) { return EndsWithNoCase(name, ".gmx"); }
inline bool IsPictureFileName(std::string_view name) { return EndsWithNoCase(name, ".bmp"); }
// ".part" (browsers) and ".crdownload" (Chromium) mark a download still running or cut off.
inline bool IsUnfinishedDownload(std::string_view name) {
    return EndsWithNoCase(name, ".part") || EndsWithNoCase(name, ".crdownload");
}
ArchiveType ArchiveTypeOf(std::string_view name);
// The last name of an archive entry's path ("/" or "\\" separated).
std::string_view BareEntryName(std::string_view entryName);

// The reader of an archive of the type; throws IntakeRefused when this
// system reads no such archive.
std::unique_ptr<ArchiveReader> OpenArchive(ArchiveType type, std::shared_ptr<const ByteSource> bytes,
                                           const DropReader& reader, const IntakeLimits& limits);

inline std::string TooBigText(std::uint64_t limit) {
    return "it is bigger than " + std::to_string(limit >> 20) + " MB";
}

}  // namespace tessary
