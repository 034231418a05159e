#pragma once

#include "picture_set.h"

namespace tessary::artwork {

// The splash window's picture.
PictureSet SplashPictures();

}  // namespace tessary::artwork
