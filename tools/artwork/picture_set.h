#pragma once

#include <QtCore/QString>
#include <QtGui/QImage>

#include <vector>

namespace tessary::artwork {

// One finished picture and the file name it is stored under.
struct NamedPicture {
    QString fileName;
    QImage image;
};

using PictureSet = std::vector<NamedPicture>;

}  // namespace tessary::artwork
