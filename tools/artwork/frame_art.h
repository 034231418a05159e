#pragma once

#include <QtCore/QByteArray>

namespace tessary::artwork {

// The main frame's 4-bit backdrop, as the finished BMP file.
QByteArray FrameBitmap();

}  // namespace tessary::artwork
