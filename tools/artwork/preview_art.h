#pragma once

#include "picture_set.h"

namespace tessary::artwork {

// Preview pictures of the demo game's maps, each named after its map and
// showing the map's name.
PictureSet DemoPreviews();

}  // namespace tessary::artwork
