// The plan of what is taken from a dropped archive: the input is a zip
// archive dropped as "drop.zip"; every planned file is read again, and every
// taken name must be one Windows accepts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "intake/intake_plan.h"
#include "intake/safe_name.h"
#include "platform/failure.h"

namespace {

class OneArchive final : public tessary::DropReader {
public:
    explicit OneArchive(std::string bytes)
        : bytes_(std::make_shared<tessary::MemoryBytes>(std::move(bytes))) {}
    tessary::PathKind KindOf(const std::string&) const override { return tessary::PathKind::File; }
    std::uint64_t SizeOf(const std::string&) const override { return bytes_->Size(); }
    std::vector<std::string> NamesIn(const std::string&) const override { return {}; }
    std::shared_ptr<const tessary::ByteSource> Open(const std::string&) const override { return bytes_; }

private:
    std::shared_ptr<const tessary::ByteSource> bytes_;
};

void CheckTaken(const tessary::PlannedFile& file, const OneArchive& reader,
                const tessary::IntakeLimits& limits) {
    if (tessary::WhyUnsafeName(file.name) || file.entries.empty() || file.entries.size() > 2) std::abort();
    std::uint64_t count = 0;
    tessary::ReadPlannedFile(file, reader, limits, [&](const char*, std::size_t length) { count += length; });
    if (count == 0 || count > limits.maxFileBytes) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tessary::IntakeLimits limits;
    limits.maxEntries = 200;
    limits.maxFileBytes = 1 << 20;
    limits.maxTotalBytes = 4 << 20;
    const OneArchive reader(std::string(reinterpret_cast<const char*>(data), size));
    const auto plan = tessary::PlanIntake({"drop.zip"}, reader, limits,
                                          [](std::string_view a, std::string_view b) { return a == b; });
    for (const auto& map : plan.maps) {
        CheckTaken(map.map, reader, limits);
        if (map.picture) CheckTaken(*map.picture, reader, limits);
    }
    for (const auto& picture : plan.lonePictures) CheckTaken(picture, reader, limits);
    return 0;
}
