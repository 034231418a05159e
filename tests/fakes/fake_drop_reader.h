#pragma once
// Dropped files read from the fake disk, as the front's reader reads them
// from a real one.

#include <memory>
#include <string>
#include <vector>

#include "fakes/fake_mover.h"
#include "intake/drop_reader.h"

namespace tessary::fakes {

class FakeDropReader : public DropReader {
public:
    explicit FakeDropReader(const FakeDisk& disk) : disk_(disk) {}
    PathKind KindOf(const std::string& path) const override {
        if (disk_.HasFile(path)) return PathKind::File;
        return disk_.IsFolder(path) ? PathKind::Folder : PathKind::Missing;
    }
    std::uint64_t SizeOf(const std::string& path) const override { return Bytes(path).size(); }
    std::vector<std::string> NamesIn(const std::string& folder) const override {
        return disk_.NamesIn(folder, FilePattern("*"));
    }
    std::shared_ptr<const ByteSource> Open(const std::string& path) const override {
        return std::make_shared<MemoryBytes>(Bytes(path));
    }

private:
    const std::string& Bytes(const std::string& path) const {
        const auto it = disk_.files.find(path);
        if (it == disk_.files.end()) throw RuntimeFailure(kFileNotFound, "File not found: " + path);
        return it->second;
    }

    const FakeDisk& disk_;
};

}  // namespace tessary::fakes
