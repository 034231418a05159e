#include "mapwindow/picture_name.h"

#include <limits>

namespace tessary {

std::optional<std::string> PictureFor(std::string_view text, std::size_t fileNameLength) {
    if (fileNameLength < 3 || fileNameLength > text.size()) return std::nullopt;
    const std::size_t kept = text.size() - 3;
    // The longest a path can be and still give a picture's name.
    if (kept > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max())) return std::nullopt;
    std::string picture(text.substr(0, kept));
    picture += "bmp";
    return picture;
}

namespace {

bool IsMapName(std::string_view name) {
    if (name.size() < 4) return false;
    const std::string_view end = name.substr(name.size() - 4);
    return end[0] == '.' && (end[1] | 0x20) == 'g' && (end[2] | 0x20) == 'm' && (end[3] | 0x20) == 'x';
}

// Only a name that ends in "bmp" in some letter case can read as a picture's
// name: the cheap test spares comparing the names of every other file.
bool MayBePicture(std::string_view name) {
    if (name.size() < 3) return false;
    const std::string_view end = name.substr(name.size() - 3);
    return (end[0] | 0x20) == 'b' && (end[1] | 0x20) == 'm' && (end[2] | 0x20) == 'p';
}

// The picture name PictureFor gives for a file name.
std::optional<std::string> PictureNameOf(std::string_view name) { return PictureFor(name, name.size()); }

// The map in names, other than mapName, whose own picture is named picture.
std::optional<std::string> MapOwningPicture(const std::vector<std::string>& names, std::string_view picture,
                                            std::string_view mapName) {
    for (const auto& name : names) {
        if (name != mapName && IsMapName(name) && PictureNameOf(name) == picture) return name;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> FindPictureName(const std::vector<std::string>& names, std::string_view mapName,
                                           const NamesLookAlike& alike) {
    const std::optional<std::string> wanted = PictureNameOf(mapName);
    if (!wanted) return std::nullopt;
    for (const auto& name : names) {
        if (name == *wanted) return name;
    }
    std::optional<std::string> found;
    for (const auto& name : names) {
        if (!MayBePicture(name) || !alike(name, *wanted) || MapOwningPicture(names, name, mapName)) continue;
        if (found) return std::nullopt;  // which one is meant cannot be told
        found = name;
    }
    return found;
}

std::optional<std::string> MapWithPicture(const std::vector<std::string>& names, std::string_view picture,
                                          std::string_view mapName, const NamesLookAlike& alike) {
    for (const auto& name : names) {
        if (name == mapName || !IsMapName(name)) continue;
        // Only a map whose picture name reads as picture can have it.
        const std::optional<std::string> wanted = PictureNameOf(name);
        if (!wanted || (*wanted != picture && !alike(*wanted, picture))) continue;
        if (FindPictureName(names, name, alike) == picture) return name;
    }
    return std::nullopt;
}

std::optional<std::string> NameStandingFor(const std::vector<std::string>& names, std::string_view name,
                                           bool taken, const NamesLookAlike& alike) {
    for (const auto& listed : names) {
        if (listed == name) return listed;
    }
    if (!taken) return std::nullopt;
    for (const auto& listed : names) {
        if (alike(listed, name)) return listed;
    }
    // Taken, yet not listed (it came meanwhile): under its own name.
    return std::string(name);
}

}  // namespace tessary
