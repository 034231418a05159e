// The system.reg drive-type reader on any text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "front/posix/wine_registry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto types = tessary::ParseWineDriveTypes(text);
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const std::int32_t code = tessary::WineDriveTypeCode(types, letter);
        if (code < 2 || code > 6) std::abort();
    }
    return 0;
}
