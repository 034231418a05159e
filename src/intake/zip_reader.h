#pragma once
// A reader of zip archives: the central directory (no ZIP64, no split
// archives), stored and deflated entries, each checked against its CRC-32.

#include <memory>

#include "intake/archive_reader.h"
#include "intake/byte_source.h"

namespace tessary {

// Reads the archive's directory and checks every entry's local header
// against it. Throws IntakeRefused for what is no zip archive, a damaged
// one, one in the ZIP64 form, one part of a split archive, one with more
// than limits.maxEntries entries, and one whose entries overlap or whose
// local headers disagree with the directory. Entries that are encrypted or
// packed by another method are listed with their problem.
std::unique_ptr<ArchiveReader> OpenZip(std::shared_ptr<const ByteSource> bytes, const IntakeLimits& limits);

}  // namespace tessary
