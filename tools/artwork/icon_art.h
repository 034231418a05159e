#pragma once

#include <QtGui/QImage>

namespace tessary::artwork {

// The program icon's one 64 x 64 image: the emblem's hunter on a grey disc,
// on black.
QImage IconImage();

}  // namespace tessary::artwork
