#pragma once

#include "picture_set.h"

namespace tessary::artwork {

// Preview pictures of the demo game's maps.
PictureSet DemoPreviews();

}  // namespace tessary::artwork
