// The preview picture decoder on any bytes: a picture whose pixels fill its
// size, or a refusal with a reason.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "forms/bmp_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const tessary::DecodeResult result = tessary::DecodeBmp(std::span<const std::uint8_t>(data, size));
    if (result.picture.has_value() != (result.error == tessary::PictureError::None)) std::abort();
    if (result.picture) {
        const auto& picture = *result.picture;
        if (picture.width <= 0 || picture.height <= 0) std::abort();
        if (picture.pixels.size() != static_cast<std::size_t>(picture.width) * picture.height) std::abort();
    } else if (result.reason.empty()) {
        std::abort();
    }
    return 0;
}
