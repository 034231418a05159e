// The zip reader: the input is the archive; every entry is read through,
// and none may hand over more than the size cap.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "intake/zip_reader.h"
#include "platform/failure.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tessary::IntakeLimits limits;
    limits.maxEntries = 200;
    limits.maxFileBytes = 1 << 20;
    try {
        auto bytes =
            std::make_shared<tessary::MemoryBytes>(std::string(reinterpret_cast<const char*>(data), size));
        const auto archive = tessary::OpenZip(bytes, limits);
        if (archive->Entries().size() > limits.maxEntries) std::abort();
        for (std::size_t i = 0; i < archive->Entries().size(); ++i) {
            std::uint64_t count = 0;
            try {
                archive->Read(i, [&](const char*, std::size_t length) { count += length; });
            } catch (const tessary::IntakeRefused&) {}
            if (count > limits.maxFileBytes) std::abort();
        }
    } catch (const tessary::IntakeRefused&) {}
    return 0;
}
