#include "splash_art.h"

#include "paint_kit.h"
#include "scene_art.h"

namespace tessary::artwork {
namespace {

// The game picture; the progress bar later covers its rows 311 to 320.
const QRectF kGameArea(158, 85, 314, 237);

void DrawTitle(QPainter& p) {
    const QRectF plate(204, 16, 220, 40);
    DrawPlate(p, plate, 8, QColor(0x6c, 0x6c, 0x6c), QColor(0x34, 0x34, 0x34));
    DrawLabel(p, plate.adjusted(0, 0, 0, -1), QStringLiteral("TESSARY"), ArtFont(22, true, 5), kIdleText);
    DrawGreenBar(p, QRectF(222, 61, 184, 5));
}

void DrawGameArea(QPainter& p) {
    DrawPlate(p, kGameArea.adjusted(-6, -6, 6, 6), 7, QColor(0x1a, 0x1a, 0x1a), QColor(0x2c, 0x2c, 0x2c),
              true);
    DrawHuntingScene(p, kGameArea, DuskStyle());
    DrawGameLogo(p, QPointF(kGameArea.center().x(), kGameArea.top() + 46), 1.7);
    DrawSponsorRow(p, QRectF(kGameArea.left(), kGameArea.bottom() - 38, kGameArea.width(), 28));
    p.fillRect(QRectF(kGameArea.left(), kGameArea.bottom() - 11, kGameArea.width(), 11), QColor(10, 10, 10));
}

}  // namespace

PictureSet SplashPictures() {
    QImage image = Canvas(628, 377);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, 628, 377), 16, 16);
    DrawPanel(image, outline, 0, 377);
    QPainter p(&image);
    Prepare(p);
    DrawTitle(p);
    for (qreal x : {12.0, 603.0}) {
        DrawGreenBar(p, QRectF(x, 112, 13, 152));
        DrawScrew(p, QPointF(x + 6.5, 102), 3.5);
        DrawScrew(p, QPointF(x + 6.5, 274), 3.5);
    }
    const qreal d = 62;
    for (QPointF c : {QPointF(72, 62), QPointF(556, 62), QPointF(72, 315), QPointF(556, 315)})
        DrawEmblem(p, QRectF(c.x() - d / 2, c.y() - d / 2, d, d));
    DrawGameArea(p);
    DrawLabel(p, QRectF(158, 333, 314, 24), QStringLiteral("Loading..."), ArtFont(16, true, 1), kIdleText);
    return {{"splash.bmp", image}};
}

}  // namespace tessary::artwork
