#include "forms/preview_picture.h"

#include <cstdint>
#include <span>
#include <utility>

#include "platform/failure.h"

namespace tessary {

Picture ReadPreviewPicture(const std::string& path, const ReadFileStart& readStart) {
    // One byte more than the limit tells a file that is too large.
    const std::string bytes = readStart(path, kMaxPictureFileBytes + 1);
    if (bytes.size() > kMaxPictureFileBytes) {
        throw RuntimeFailure(kInvalidPicture, "The picture \"" + path + "\" is too large");
    }
    DecodeResult result = DecodeBmp(
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    if (!result.picture) throw RuntimeFailure(kInvalidPicture, "Invalid picture: " + result.reason);
    return std::move(*result.picture);
}

}  // namespace tessary
