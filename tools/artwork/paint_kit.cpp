#include "paint_kit.h"

#include <QtGui/QFontInfo>
#include <QtGui/QLinearGradient>
#include <QtGui/QPainterPathStroker>
#include <QtGui/QRadialGradient>

#include <algorithm>
#include <stdexcept>

namespace tessary::artwork {
namespace {

// A small hash of two coordinates and a seed, for grain that is the same on
// every run.
std::uint32_t Hash(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
    std::uint32_t h = x * 0x9E3779B1u ^ (y + 0x7F4A7C15u) * 0x85EBCA77u ^ seed * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

// A hunter standing in profile with a rifle over the shoulder, drawn in a
// 100 x 100 box.
QPainterPath HunterPath() {
    QPainterPath body;
    body.setFillRule(Qt::WindingFill);
    body.addEllipse(QPointF(50, 25), 8.5, 9);              // head
    body.addRoundedRect(QRectF(42, 9, 16, 11), 4, 4);      // hat crown
    body.addRoundedRect(QRectF(36, 16.5, 28, 4.5), 2, 2);  // hat brim
    QPolygonF torso{{38, 36}, {62, 35}, {64, 44}, {60, 64}, {40, 64}, {36, 45}};
    body.addPolygon(torso);
    body.addEllipse(QPointF(50, 36), 12, 5);                             // shoulders
    body.addPolygon(QPolygonF{{40, 62}, {50, 62}, {46, 91}, {37, 91}});  // near leg
    body.addPolygon(QPolygonF{{50, 62}, {60, 62}, {64, 91}, {55, 91}});  // far leg
    body.addRoundedRect(QRectF(33, 88, 14, 5), 2, 2);                    // boots
    body.addRoundedRect(QRectF(54, 88, 14, 5), 2, 2);
    body.addPolygon(QPolygonF{{37, 40}, {43, 41}, {40, 61}, {33, 60}});  // arm at the side
    body.addPolygon(QPolygonF{{58, 38}, {64, 42}, {70, 54}, {65, 56}});  // arm holding the rifle

    QPainterPath rifle;
    rifle.moveTo(69, 57);
    rifle.lineTo(33, 9);
    QPainterPathStroker stroker;
    stroker.setWidth(4.2);
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath gun = stroker.createStroke(rifle);
    gun.addPolygon(QPolygonF{{63, 50}, {72, 54}, {72, 62}, {66, 60}});  // stock
    gun.closeSubpath();
    return body.united(gun);
}

}  // namespace

QImage Canvas(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

QFont ArtFont(int pixelSize, bool bold, qreal letterSpacing) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    if (letterSpacing != 0) font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    if (QFontInfo(font).family() != QStringLiteral("DejaVu Sans"))
        throw std::runtime_error("the font DejaVu Sans is not installed (package fonts-dejavu-core)");
    return font;
}

void Prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

void DrawPanel(QImage& image, const QPainterPath& outline, qreal top, qreal bottom) {
    {
        QPainter p(&image);
        Prepare(p);
        QLinearGradient face(0, top, 0, bottom);
        face.setColorAt(0, kPanelTop);
        face.setColorAt(0.5, QColor(0x3a, 0x3a, 0x3a));
        face.setColorAt(1, kPanelBottom);
        p.fillPath(outline, face);
    }
    AddGrain(image, outline, 3, 17);
    QPainter p(&image);
    Prepare(p);
    p.setClipPath(outline);
    QLinearGradient rim(0, top, 0, bottom);
    rim.setColorAt(0, QColor(255, 255, 255, 120));
    rim.setColorAt(0.45, QColor(255, 255, 255, 30));
    rim.setColorAt(0.55, QColor(0, 0, 0, 40));
    rim.setColorAt(1, QColor(0, 0, 0, 160));
    p.strokePath(outline, QPen(QBrush(rim), 6));
    p.strokePath(outline, QPen(QColor(10, 10, 10), 2));
}

void DrawPlate(QPainter& painter, const QRectF& rect, qreal radius, QColor faceTop, QColor faceBottom,
               bool sunken) {
    painter.save();
    const QRectF outer = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(QColor(12, 12, 12), 1));
    QLinearGradient face(rect.topLeft(), rect.bottomLeft());
    face.setColorAt(0, sunken ? faceBottom : faceTop);
    face.setColorAt(1, sunken ? faceTop : faceBottom);
    painter.setBrush(face);
    painter.drawRoundedRect(outer, radius, radius);
    const QRectF inner = outer.adjusted(1, 1, -1, -1);
    QLinearGradient rim(rect.topLeft(), rect.bottomLeft());
    const QColor light(255, 255, 255, 90), dark(0, 0, 0, 110);
    rim.setColorAt(0, sunken ? dark : light);
    rim.setColorAt(0.5, QColor(128, 128, 128, 0));
    rim.setColorAt(1, sunken ? light : dark);
    painter.setPen(QPen(QBrush(rim), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(inner, std::max<qreal>(radius - 1, 0), std::max<qreal>(radius - 1, 0));
    painter.restore();
}

void DrawLabel(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font, QColor colour) {
    painter.save();
    painter.setFont(font);
    const int flags = Qt::AlignCenter | Qt::TextDontClip;
    if (colour.green() > colour.red() + 40) {
        painter.setPen(QColor(colour.red(), colour.green(), colour.blue(), 45));
        for (QPointF d : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1)})
            painter.drawText(rect.translated(d), flags, text);
    }
    painter.setPen(QColor(0, 0, 0, 200));
    painter.drawText(rect.translated(1, 1), flags, text);
    painter.setPen(colour);
    painter.drawText(rect, flags, text);
    painter.restore();
}

void DrawGreenBar(QPainter& painter, const QRectF& rect) {
    painter.save();
    const qreal radius = std::min(rect.width(), rect.height()) / 2;
    const bool vertical = rect.height() > rect.width();
    QLinearGradient across = vertical ? QLinearGradient(rect.left(), 0, rect.right(), 0)
                                      : QLinearGradient(0, rect.top(), 0, rect.bottom());
    across.setColorAt(0, kGreenDark);
    across.setColorAt(0.3, kGreenLight);
    across.setColorAt(0.55, kGreen);
    across.setColorAt(1, kGreenDark.darker(140));
    painter.setPen(QPen(QColor(8, 24, 8), 1));
    painter.setBrush(across);
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.restore();
}

void DrawScrew(QPainter& painter, QPointF centre, qreal radius) {
    painter.save();
    QRadialGradient head(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    head.setColorAt(0, QColor(0xb8, 0xb8, 0xb8));
    head.setColorAt(0.6, QColor(0x6a, 0x6a, 0x6a));
    head.setColorAt(1, QColor(0x30, 0x30, 0x30));
    painter.setPen(QPen(QColor(15, 15, 15), 0.8));
    painter.setBrush(head);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(QColor(30, 30, 30), std::max<qreal>(radius / 3, 0.8)));
    painter.drawLine(centre + QPointF(-radius * 0.6, radius * 0.6),
                     centre + QPointF(radius * 0.6, -radius * 0.6));
    painter.restore();
}

void DrawEmblem(QPainter& painter, const QRectF& disc) {
    painter.save();
    const QPointF c = disc.center();
    const qreal r = disc.width() / 2;
    QRadialGradient ring(c, r);
    ring.setColorAt(0.86, QColor(0x30, 0x30, 0x30));
    ring.setColorAt(0.93, QColor(0x8a, 0x8a, 0x8a));
    ring.setColorAt(1, QColor(0x22, 0x22, 0x22));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ring);
    painter.drawEllipse(c, r, r);
    QRadialGradient face(c - QPointF(r * 0.3, r * 0.35), r * 1.1);
    face.setColorAt(0, QColor(0xc4, 0xc4, 0xc4));
    face.setColorAt(0.7, QColor(0x84, 0x84, 0x84));
    face.setColorAt(1, QColor(0x55, 0x55, 0x55));
    painter.setBrush(face);
    painter.drawEllipse(c, r * 0.84, r * 0.84);
    painter.setPen(QPen(kGreen, std::max<qreal>(r / 22, 0.8)));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(c, r * 0.9, r * 0.9);

    const qreal box = r * 1.62;
    painter.translate(c.x() - box / 2, c.y() - box / 2 + r * 0.02);
    painter.scale(box / 100, box / 100);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x14, 0x14, 0x14));
    painter.drawPath(HunterPath());
    painter.restore();
}

void AddGrain(QImage& image, const QPainterPath& area, int amplitude, std::uint32_t seed) {
    QImage mask(image.size(), QImage::Format_Grayscale8);
    mask.fill(0);
    {
        QPainter p(&mask);
        p.fillPath(area, Qt::white);
    }
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const uchar* inside = mask.constScanLine(y);
        const int streak = int(Hash(0, std::uint32_t(y), seed) % 3) - 1;
        for (int x = 0; x < image.width(); ++x) {
            if (!inside[x]) continue;
            const int span = 2 * amplitude + 1;
            const int d = int(Hash(std::uint32_t(x / 3), std::uint32_t(y), seed) % span) - amplitude + streak;
            const auto shift = [d](int v) { return std::clamp(v + d, 0, 255); };
            line[x] = qRgb(shift(qRed(line[x])), shift(qGreen(line[x])), shift(qBlue(line[x])));
        }
    }
}

}  // namespace tessary::artwork
