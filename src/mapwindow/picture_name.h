#pragma once
// The preview picture that belongs to a map: the same path or name with its
// last three characters replaced by "bmp" (lower case), so "Lake.GMX" has
// the picture "Lake.bmp".

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessary {

// text is the map's file name or its full path; fileNameLength is the length
// of the file name it ends with. NameLength receives the length of text
// minus 3. Nothing (and NameLength untouched) when the file name is shorter
// than three characters or text is too long for a 16-bit NameLength.
std::optional<std::string> PictureFor(std::string_view text, std::size_t fileNameLength,
                                      std::int16_t& NameLength);

}  // namespace tessary
