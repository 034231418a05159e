#pragma once
// Reading what a player dropped (files, folders, archives) from the disk,
// never changing any of it.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "intake/archive_reader.h"
#include "intake/byte_source.h"

namespace tessary {

enum class PathKind { File, Folder, Link, Other, Missing };

class DropReader {
public:
    virtual ~DropReader() = default;
    // What stands at the path, links not followed.
    virtual PathKind KindOf(const std::string& path) const = 0;
    // The size of the regular file at the path.
    virtual std::uint64_t SizeOf(const std::string& path) const = 0;
    // The names directly in the folder.
    virtual std::vector<std::string> NamesIn(const std::string& folder) const = 0;
    // The bytes of the regular file at the path, opened for reading only
    // (a link or anything but a regular file fails).
    virtual std::shared_ptr<const ByteSource> Open(const std::string& path) const = 0;
    // A reader of a 7z archive; nothing where this system reads none.
    virtual std::unique_ptr<ArchiveReader> OpenSevenZip(std::shared_ptr<const ByteSource> /*bytes*/,
                                                        const IntakeLimits& /*limits*/) const {
        return nullptr;
    }
};

}  // namespace tessary
