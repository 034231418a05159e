#include "intake/intake_plan.h"

#include <algorithm>
#include <array>

#include "intake/intake_names.h"
#include "platform/path.h"

namespace tessary {

namespace {

void ReadWhole(const ByteSource& bytes, const IntakeLimits& limits, const ByteSink& sink) {
    if (bytes.Size() > limits.maxFileBytes) throw IntakeRefused(TooBigText(limits.maxFileBytes));
    std::array<char, 64 * 1024> buffer;
    for (std::uint64_t done = 0; done < bytes.Size();) {
        const auto size =
            static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), bytes.Size() - done));
        bytes.ReadAt(done, buffer.data(), size);
        sink(buffer.data(), size);
        done += size;
    }
}

}  // namespace

void ReadPlannedFile(const PlannedFile& file, const DropReader& reader, const IntakeLimits& limits,
                     const ByteSink& sink) {
    std::shared_ptr<const ByteSource> bytes = reader.Open(file.path);
    if (file.entries.empty()) return ReadWhole(*bytes, limits, sink);
    ArchiveType type = ArchiveTypeOf(NameOfPath(file.path));
    for (std::size_t level = 0;; ++level) {
        const std::unique_ptr<ArchiveReader> archive = OpenArchive(type, bytes, reader, limits);
        const std::size_t index = file.entries[level];
        if (index >= archive->Entries().size())
            throw IntakeRefused("the archive changed since it was dropped");
        if (level + 1 == file.entries.size()) return archive->Read(index, sink);
        std::string inner;
        archive->Read(index, [&](const char* data, std::size_t size) { inner.append(data, size); });
        type = ArchiveTypeOf(BareEntryName(archive->Entries()[index].name));
        bytes = std::make_shared<MemoryBytes>(std::move(inner));
    }
}

}  // namespace tessary
