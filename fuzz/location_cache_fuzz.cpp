// The location cache reader on any bytes, and the promise of the writer: a
// folder it agrees to write reads back exactly.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "startup/location_cache_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string folder = tessary::ParseLocationCache(bytes.substr(0, tessary::kCacheReadLimit));
    if (folder.size() > bytes.size()) std::abort();
    if (tessary::LocationCacheReadsBack(bytes)) {
        const std::string text = tessary::LocationCacheText(std::string(bytes));
        if (tessary::ParseLocationCache(text.substr(0, tessary::kCacheReadLimit)) != bytes) std::abort();
    }
    return 0;
}
