#pragma once
// Where a map and its picture go when they move into a maps folder.

#include <optional>
#include <string>

#include "mapwindow/map_move.h"

namespace tessary {

class Files;

// Fills in where the map and its picture go, each under its own name: the
// picture is the file its folder holds for the map (PictureFor's name, else
// one that looks alike), and the files at the destination that would pass
// for its picture are set aside with it. The reason when the move must not
// start: the disk takes another map's name for this one's, or the picture
// would take the place of another map's picture.
std::optional<std::string> PlanMove(const Files& files, const std::string& map, const std::string& folder,
                                    MapMove& move);

}  // namespace tessary
