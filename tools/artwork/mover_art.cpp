#include "mover_art.h"

#include "paint_kit.h"
#include "scene_art.h"

#include <QtGui/QLinearGradient>

#include <string_view>

#include "forms/mover_layout.h"

namespace tessary::artwork {
namespace {

// The place of a map window control, in pixels at 15 twips per pixel.
QRect Place(MapControl control) {
    const LayoutRect place = ToPixels(MoverControl(control).twips, LayoutScale{15.0, 15.0});
    return QRect(place.left, place.top, place.width, place.height);
}

// Places of the picture areas on the map window, in pixels.
const QRect kInstallPlace = Place(MapControl::InstallButton);
const QRect kStorePlace = Place(MapControl::StoreButton);
const QRect kQuitPlace = Place(MapControl::QuitButton);
const QRect kCustomMapsPlace = Place(MapControl::CustomMapsButton);
const QRect kBadge = Place(MapControl::BadgeBelow);
const QRect kEmblem = Place(MapControl::Emblem);
const QRect kGamePicture = Place(MapControl::GamePicture);
const QRect kTitleStored = Place(MapControl::StoredListTitle);
const QRect kTitleGame = Place(MapControl::GameListTitle);
const QRect kFrameLeft = Place(MapControl::GameListFrame);
const QRect kFrameRight = Place(MapControl::StoredListFrame);
const QRect kArrowLeft = Place(MapControl::LeftArrow);
const QRect kArrowRight = Place(MapControl::RightArrow);
// The sunken well around the preview area, larger than the area itself.
const QRectF kPreviewWell(126, 247, 365, 148);

QPainterPath MoverOutline() {
    QPainterPath panel;
    panel.addRoundedRect(QRectF(0, 40, 630, 331), 5, 5);
    QPainterPath dome;
    dome.addEllipse(QRectF(32, 17, 568, 374));
    return panel.united(dome);
}

// The title plate fills the top of the dome above the game picture.
void DrawTitlePlate(QPainter& p) {
    QPainterPath cap;
    cap.addEllipse(QRectF(35, 20, 562, 368));
    QPainterPath band;
    band.addRect(QRectF(190, 19, 252, 15));
    const QPainterPath plate = cap.intersected(band);
    QLinearGradient face(0, 20, 0, 34);
    face.setColorAt(0, QColor(0x6a, 0x6a, 0x6a));
    face.setColorAt(1, QColor(0x3a, 0x3a, 0x3a));
    p.fillPath(plate, face);
    p.strokePath(plate, QPen(QColor(12, 12, 12), 1));
    p.save();
    p.setClipPath(plate);
    p.strokePath(plate.translated(0, 1), QPen(QColor(255, 255, 255, 80), 1));
    p.restore();
    DrawLabel(p, QRectF(227, 19, 170, 11), QStringLiteral("TESSARY"), ArtFont(10, true, 2.5), kIdleText);
}

QImage MoverBackground() {
    QImage image = Canvas(kMoverBackgroundSize.width, kMoverBackgroundSize.height);
    const QPainterPath outline = MoverOutline();
    DrawPanel(image, outline, 17, 390);
    QPainter p(&image);
    Prepare(p);
    p.setClipPath(outline);
    DrawTitlePlate(p);
    DrawPlate(p, kPreviewWell, 6, QColor(0x16, 0x16, 0x16), QColor(0x24, 0x24, 0x24), true);
    for (qreal x : {8.0, 608.0}) {
        DrawGreenBar(p, QRectF(x, 118, 13, 176));
        DrawScrew(p, QPointF(x + 6.5, 108), 3.5);
        DrawScrew(p, QPointF(x + 6.5, 304), 3.5);
    }
    return image;
}

// The frame around a file list. The list covers x 11..185 and y 11 or 12 to
// 168 or 169, so the opening reaches one row further on both sides.
QImage ListFrame() {
    QImage image = Canvas(198, 181);
    QPainter p(&image);
    Prepare(p);
    DrawPlate(p, QRectF(0, 0, 198, 181), 9, QColor(0x5c, 0x5c, 0x5c), QColor(0x2e, 0x2e, 0x2e));
    DrawPlate(p, QRectF(7, 7, 184, 167), 5, QColor(0x1c, 0x1c, 0x1c), QColor(0x30, 0x30, 0x30), true);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(10, 10, 178, 161), QColor(0x22, 0x22, 0x22));
    p.fillRect(QRect(11, 11, 175, 159), QColor(64, 64, 64));
    p.setRenderHint(QPainter::Antialiasing, true);
    for (QPointF c : {QPointF(4.5, 4.5), QPointF(193.5, 4.5), QPointF(4.5, 176.5), QPointF(193.5, 176.5)})
        DrawScrew(p, c, 2.6);
    QLinearGradient accent(0, 0, 198, 0);
    accent.setColorAt(0, QColor(0x3f, 0xbf, 0x3f, 0));
    accent.setColorAt(0.5, kGreen);
    accent.setColorAt(1, QColor(0x3f, 0xbf, 0x3f, 0));
    p.fillRect(QRectF(30, 176, 138, 1.5), accent);
    return image;
}

QImage GamePicture() {
    QImage image = Canvas(kGamePicture.width(), kGamePicture.height());
    QPainter p(&image);
    Prepare(p);
    const QRectF all(0, 0, image.width(), image.height());
    DrawHuntingScene(p, all, DuskStyle());
    DrawGameLogo(p, QPointF(all.center().x(), 27), 0.95);
    p.setPen(QPen(QColor(10, 10, 10), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.drawRect(all.adjusted(1.5, 1.5, -1.5, -1.5));
    return image;
}

QImage Crop(const QImage& layer, const QRect& place) { return layer.copy(place); }

// A button face. The install and store places overlap a list frame by up to
// six columns on one side, so every 121-pixel face leaves six columns of the
// panel at both ends; the custom-maps faces use their whole area.
QImage ButtonFace(const QImage& layer, const QRect& place, const QStringList& lines, QColor text,
                  bool sunken) {
    QImage image = Crop(layer, place);
    QPainter p(&image);
    Prepare(p);
    const qreal inset = place.width() == 121 ? 6 : 1;
    const QRectF face(inset, 1, place.width() - 2 * inset, place.height() - 2);
    if (sunken) DrawPlate(p, face, 6, QColor(0x26, 0x26, 0x26), QColor(0x3c, 0x3c, 0x3c), true);
    else DrawPlate(p, face, 6, QColor(0x5e, 0x5e, 0x5e), QColor(0x30, 0x30, 0x30));
    const QRectF inner = face.translated(sunken ? 1 : 0, sunken ? 1 : 0);
    const int size = lines.size() == 1 ? 15 : 13;
    const qreal lineHeight = size + 4;
    const qreal top = inner.center().y() - lineHeight * lines.size() / 2;
    for (int i = 0; i < lines.size(); ++i)
        DrawLabel(p, QRectF(inner.left(), top + i * lineHeight, inner.width(), lineHeight), lines[i],
                  ArtFont(size), text);
    return image;
}

QImage Title(const QImage& layer, const QRect& place, const QString& text) {
    QImage image = Crop(layer, place);
    QPainter p(&image);
    Prepare(p);
    DrawLabel(p, QRectF(0, -1, place.width(), place.height()), text, ArtFont(12, true, 0.3), kGreen);
    return image;
}

QImage Arrow(const QImage& layer, const QRect& place, bool left) {
    QImage image = Crop(layer, place);
    QPainter p(&image);
    Prepare(p);
    if (!left) {
        p.translate(place.width(), 0);
        p.scale(-1, 1);
    }
    const QPolygonF shape{{4, 11.5}, {20, 1.5}, {20, 7}, {52, 7}, {52, 16}, {20, 16}, {20, 21.5}};
    QLinearGradient fill(0, 1, 0, 22);
    fill.setColorAt(0, kGreenLight);
    fill.setColorAt(0.45, kGreen);
    fill.setColorAt(1, kGreenDark);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawPolygon(shape.translated(1, 1.2));
    p.setPen(QPen(QColor(8, 30, 8), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(fill);
    p.drawPolygon(shape);
    return image;
}

QImage Badge(const QImage& layer) {
    QImage image = Crop(layer, kBadge);
    QPainter p(&image);
    Prepare(p);
    DrawGreenBar(p, QRectF(8, 7, 83, 8));
    DrawLabel(p, QRectF(0, 19, 99, 22), QStringLiteral("Orlenport"), ArtFont(16), kIdleText);
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    p.drawLine(QPointF(22, 44.5), QPointF(77, 44.5));
    return image;
}

// The emblem sits in a black socket let into the panel.
QImage Emblem(const QImage& layer) {
    QImage image = Crop(layer, kEmblem);
    QPainter p(&image);
    Prepare(p);
    DrawPlate(p, QRectF(0, 0, kEmblem.width(), kEmblem.height()), 4, Qt::black, QColor(0x0c, 0x0c, 0x0c),
              true);
    DrawEmblem(p, QRectF(1.5, 2, 50, 50));
    return image;
}

}  // namespace

PictureSet MoverPictures() {
    const QImage background = MoverBackground();
    const QImage frame = ListFrame();

    // The faces and titles that overlap a list frame carry the frame's edge
    // in their own pixels, so stacking never shows a seam.
    QImage framed = background;
    {
        QPainter p(&framed);
        p.drawImage(kFrameLeft.topLeft(), frame);
        p.drawImage(kFrameRight.topLeft(), frame);
    }
    const QImage blank = ButtonFace(background, kInstallPlace, {}, kIdleText, false);
    // The arrows lie above the blank faces of the two places.
    QImage under = framed;
    {
        QPainter p(&under);
        p.drawImage(kInstallPlace.topLeft(), blank);
        p.drawImage(kStorePlace.topLeft(), blank);
    }
    const QStringList download{QStringLiteral("Download"), QStringLiteral("Maps")};
    const auto face = [&framed](const QRect& place, const QString& text, QColor colour, bool sunken) {
        return ButtonFace(framed, place, {text}, colour, sunken);
    };
    return {
        {"mover_background.bmp", background},
        {"image21_game.bmp", GamePicture()},
        {"badge.bmp", Badge(background)},
        {"image16_maps_pressed.bmp", ButtonFace(framed, kCustomMapsPlace, download, kGreen, true)},
        {"image6_maps.bmp", ButtonFace(framed, kCustomMapsPlace, download, kIdleText, false)},
        {"image15_emblem.bmp", Emblem(background)},
        {"image14_exit_pressed.bmp", face(kQuitPlace, "Exit", kGreen, true)},
        {"image4_exit.bmp", face(kQuitPlace, "Exit", kIdleText, false)},
        {"image13_store_ready.bmp", face(kStorePlace, "Store", kGreen, false)},
        {"image3_store_idle.bmp", face(kStorePlace, "Store", kIdleText, false)},
        {"image12_install_ready.bmp", face(kInstallPlace, "Install", kGreen, false)},
        {"image2_install_idle.bmp", face(kInstallPlace, "Install", kIdleText, false)},
        {"blank_face.bmp", blank},
        {"image9_title_stored.bmp", Title(framed, kTitleStored, QStringLiteral("Stored Maps"))},
        {"image8_title_game.bmp", Title(framed, kTitleGame, QStringLiteral("Maps in the Game"))},
        {"list_frame.bmp", frame},
        {"image10_arrow_left.bmp", Arrow(under, kArrowLeft, true)},
        {"image11_arrow_right.bmp", Arrow(under, kArrowRight, false)},
    };
}

}  // namespace tessary::artwork
