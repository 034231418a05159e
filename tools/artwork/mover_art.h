#pragma once

#include "picture_set.h"

namespace tessary::artwork {

// The map window's background and every picture of its picture areas.
PictureSet MoverPictures();

}  // namespace tessary::artwork
