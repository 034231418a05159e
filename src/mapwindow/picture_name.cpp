#include "mapwindow/picture_name.h"

#include <limits>

namespace tessary {

std::optional<std::string> PictureFor(std::string_view text, std::size_t fileNameLength,
                                      std::int16_t& NameLength) {
    if (fileNameLength < 3 || fileNameLength > text.size()) return std::nullopt;
    const std::size_t kept = text.size() - 3;
    if (kept > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max())) return std::nullopt;
    NameLength = static_cast<std::int16_t>(kept);
    std::string picture(text.substr(0, kept));
    picture += "bmp";
    return picture;
}

}  // namespace tessary
