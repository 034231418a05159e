#pragma once
// What a player dropped, read from a POSIX file system: files are opened for
// reading only and never followed through links; 7z archives are read with
// libarchive.

#include "intake/drop_reader.h"

namespace tessary {

class PosixDropReader final : public DropReader {
public:
    PathKind KindOf(const std::string& path) const override;
    std::uint64_t SizeOf(const std::string& path) const override;
    std::vector<std::string> NamesIn(const std::string& folder) const override;
    std::shared_ptr<const ByteSource> Open(const std::string& path) const override;
    std::unique_ptr<ArchiveReader> OpenSevenZip(std::shared_ptr<const ByteSource> bytes,
                                                const IntakeLimits& limits) const override;
};

}  // namespace tessary
