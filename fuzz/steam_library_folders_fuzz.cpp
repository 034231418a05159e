// The reader of Steam's libraryfolders.vdf on any text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "front/posix/steam_library_folders.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::size_t bytes = 0;
    for (const auto& path : tessary::SteamLibraryPaths(text)) {
        if (path.empty()) std::abort();
        bytes += path.size();
    }
    // Every byte of a path comes from the text.
    if (bytes > size) std::abort();
    return 0;
}
