#pragma once
// 7z archives read with libarchive, its 7z format alone, entry by entry
// into the caller's sink (libarchive never writes to the disk here).

#include <memory>

#include "intake/archive_reader.h"
#include "intake/byte_source.h"

namespace tessary {

// Lists the archive's entries; throws IntakeRefused when it is no 7z
// archive, is damaged, has its names encrypted, or holds more than
// limits.maxEntries entries.
std::unique_ptr<ArchiveReader> OpenSevenZipArchive(std::shared_ptr<const ByteSource> bytes,
                                                   const IntakeLimits& limits);

}  // namespace tessary
