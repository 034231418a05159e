#pragma once
// The preview picture that belongs to a map: the same path or name with its
// last three characters replaced by "bmp" (lower case), so "Lake.GMX" has
// the picture "Lake.bmp".

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessary {

// text is the map's file name or its full path; fileNameLength is the length
// of the file name it ends with. Nothing when the file name is shorter than
// three characters or text is longer than 32770 characters.
std::optional<std::string> PictureFor(std::string_view text, std::size_t fileNameLength);

// True when a player takes the two names for one (Files::LookAlike).
using NamesLookAlike = std::function<bool(std::string_view, std::string_view)>;

// The picture of the map named mapName among the names in its folder: the
// name PictureFor gives, when it is there; else the one name there that
// looks alike to it and is not another map's own picture (the name PictureFor
// gives for another map there). Nothing when there is none, or when several
// look alike and none is exact: a map never takes a picture that is not
// plainly its own.
std::optional<std::string> FindPictureName(const std::vector<std::string>& names, std::string_view mapName,
                                           const NamesLookAlike& alike);

// The map in names, other than mapName, whose picture (as FindPictureName
// finds it) is named picture; nothing when there is none.
std::optional<std::string> MapWithPicture(const std::vector<std::string>& names, std::string_view picture,
                                          std::string_view mapName, const NamesLookAlike& alike);

// The entry of a folder that the file system finds under name, given the
// folder's names and whether the name is taken: name itself when it is
// listed, else the listed name that looks alike to it (Windows finds
// "LAKE.GMX" under "Lake.gmx"). Nothing when the name is free.
std::optional<std::string> NameStandingFor(const std::vector<std::string>& names, std::string_view name,
                                           bool taken, const NamesLookAlike& alike);

}  // namespace tessary
