#include "icon_art.h"

#include "paint_kit.h"

namespace tessary::artwork {

QImage IconImage() {
    QImage image = Canvas(64, 64);
    QPainter p(&image);
    Prepare(p);
    DrawEmblem(p, QRectF(1, 1, 62, 62));
    return image;
}

}  // namespace tessary::artwork
