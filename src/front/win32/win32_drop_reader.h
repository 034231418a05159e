#pragma once
// What a player dropped, read with the Windows API: files are opened for
// reading only, other programs may read them meanwhile but not change them,
// and a link (any reparse point) is never followed. Zip archives only: no
// 7z reader on Windows.

#include "intake/drop_reader.h"

namespace tessary {

class Win32DropReader final : public DropReader {
public:
    PathKind KindOf(const std::string& path) const override;
    std::uint64_t SizeOf(const std::string& path) const override;
    std::vector<std::string> NamesIn(const std::string& folder) const override;
    std::shared_ptr<const ByteSource> Open(const std::string& path) const override;
};

}  // namespace tessary
