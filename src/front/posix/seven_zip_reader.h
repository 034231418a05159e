#pragma once
// 7z archives read with libarchive, its 7z format alone, entry by entry
// into the caller's sink (libarchive never writes to the disk here).
// libarchive is loaded when the first 7z archive is read, not linked.

#include <memory>

#include "intake/archive_reader.h"
#include "intake/byte_source.h"

namespace tessary {

// The library file that libarchive is loaded from.
inline constexpr const char* kLibArchiveFile = "libarchive.so.13";

// Lists the archive's entries; throws IntakeRefused when libarchive cannot
// be loaded from libraryFile, or the archive is no 7z archive, is damaged,
// has its names encrypted, or holds more than limits.maxEntries entries.
std::unique_ptr<ArchiveReader> OpenSevenZipArchive(std::shared_ptr<const ByteSource> bytes,
                                                   const IntakeLimits& limits,
                                                   const char* libraryFile = kLibArchiveFile);

}  // namespace tessary
