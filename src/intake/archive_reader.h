#pragma once
// What every archive reader gives: the list of its entries, and the bytes of
// one entry handed piece by piece to the caller, checked as they come.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tessary {

// A file, archive or entry that is not taken, with the reason in words a
// player reads ("it is encrypted").
class IntakeRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Bounds on what one drop may cost. Sizes are counted as the bytes come out
// of an archive, never believed from its headers.
struct IntakeLimits {
    std::size_t maxEntries = 10000;            // in one archive
    std::uint64_t maxFileBytes = 64ull << 20;  // one file, unpacked
    std::uint64_t maxTotalBytes = 1ull << 30;  // all files of one drop
    int maxFolderDepth = 8;                    // folders below a dropped one
    std::size_t maxFolderFiles = 10000;        // entries looked at in dropped folders
    std::size_t maxTakenFiles = 1000;          // maps and pictures in one drop
};

enum class EntryKind { File, Folder, Link, Other };

struct ArchiveEntry {
    std::string name;  // its path in the archive, UTF-8, separated by "/" or "\\"
    EntryKind kind = EntryKind::File;
    bool encrypted = false;
    std::string problem;  // why it cannot be read at all ("" when it can)
};

// Receives an entry's bytes in pieces; may throw to stop the reading.
using ByteSink = std::function<void(const char* data, std::size_t size)>;

class ArchiveReader {
public:
    virtual ~ArchiveReader() = default;
    virtual const std::vector<ArchiveEntry>& Entries() const = 0;
    // Hands the bytes of the file entry at index to sink. Throws
    // IntakeRefused when the entry is encrypted, grows past
    // IntakeLimits::maxFileBytes, or is damaged (its check sum or size is
    // wrong); what sink received by then is no file.
    virtual void Read(std::size_t index, const ByteSink& sink) = 0;
};

}  // namespace tessary
