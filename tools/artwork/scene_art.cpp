#include "scene_art.h"

#include "paint_kit.h"

#include <QtGui/QLinearGradient>
#include <QtGui/QPainterPath>
#include <QtGui/QPainterPathStroker>
#include <QtGui/QRadialGradient>

#include <cmath>

namespace tessary::artwork {
namespace {

// The height of a ridge line at x (0..1): a sum of slow waves.
qreal Ridge(qreal x, int phase, qreal a, qreal b) {
    const qreal p = phase * 1.7;
    return a * std::sin(x * 5.1 + p) + b * std::sin(x * 11.3 + 2 * p + 1) + 0.4 * b * std::sin(x * 23.0 + p);
}

QPainterPath RidgePath(const QRectF& r, qreal base, int phase, qreal a, qreal b) {
    QPainterPath path;
    path.moveTo(r.left(), r.bottom());
    for (int i = 0; i <= 80; ++i) {
        const qreal t = i / 80.0;
        path.lineTo(r.left() + t * r.width(), r.top() + (base + Ridge(t, phase, a, b)) * r.height());
    }
    path.lineTo(r.right(), r.bottom());
    path.closeSubpath();
    return path;
}

void DrawPine(QPainter& painter, QPointF foot, qreal height, const QColor& colour, bool snow) {
    QPainterPath tree;
    tree.setFillRule(Qt::WindingFill);
    const qreal w = height * 0.38;
    for (int tier = 0; tier < 3; ++tier) {
        const qreal top = foot.y() - height + tier * height * 0.25;
        const qreal bottom = top + height * 0.45;
        const qreal half = w * (0.5 + tier * 0.25) / 1.0;
        tree.addPolygon(QPolygonF{{foot.x(), top}, {foot.x() + half, bottom}, {foot.x() - half, bottom}});
    }
    tree.addRect(QRectF(foot.x() - height * 0.04, foot.y() - height * 0.2, height * 0.08, height * 0.2));
    painter.fillPath(tree, colour);
    if (snow) {
        QPainterPath lit;
        lit.addRect(QRectF(foot.x() - w, foot.y() - height, w, height));
        painter.fillPath(tree.intersected(lit), QColor(230, 236, 245, 90));
    }
}

// A stag standing in profile, facing left, in a 100 x 80 box.
QPainterPath DeerPath() {
    QPainterPath deer;
    deer.setFillRule(Qt::WindingFill);
    deer.addEllipse(QRectF(30, 30, 50, 22));                             // body
    deer.addPolygon(QPolygonF{{30, 40}, {40, 33}, {30, 15}, {22, 18}});  // neck
    deer.addEllipse(QRectF(17, 11, 13, 10));                             // head
    deer.addPolygon(QPolygonF{{18, 14}, {8, 19}, {9, 22}, {22, 21}});    // muzzle
    deer.addPolygon(QPolygonF{{27, 13}, {34, 8}, {30, 15}});             // ear
    deer.addPolygon(QPolygonF{{78, 34}, {86, 32}, {82, 40}});            // tail
    const QPolygonF legs[] = {{{34, 44}, {40, 44}, {37, 78}, {34, 78}},
                              {{42, 46}, {47, 46}, {44, 77}, {41, 77}},
                              {{66, 44}, {73, 44}, {71, 78}, {68, 78}},
                              {{74, 42}, {79, 44}, {78, 77}, {75, 77}}};
    for (const auto& leg : legs) deer.addPolygon(leg);

    QPainterPath antlers;
    antlers.moveTo(25, 12);
    antlers.cubicTo(26, 4, 32, 0, 40, -3);
    antlers.moveTo(29, 5);
    antlers.lineTo(28, -2);
    antlers.moveTo(34, 1);
    antlers.lineTo(35, -6);
    antlers.moveTo(22, 12);
    antlers.cubicTo(19, 5, 15, 1, 10, -2);
    antlers.moveTo(17, 5);
    antlers.lineTo(19, -2);
    QPainterPathStroker stroker;
    stroker.setWidth(1.8);
    stroker.setCapStyle(Qt::RoundCap);
    return deer.united(stroker.createStroke(antlers));
}

void DrawLogoWord(QPainter& painter, const QString& text, const QFont& font, QPointF centre,
                  const QLinearGradient& fill, qreal outline) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(centre.x() - box.center().x(), centre.y() - box.center().y());
    painter.fillPath(path.translated(outline, outline * 1.2), QColor(0, 0, 0, 170));
    painter.strokePath(path,
                       QPen(QColor(28, 16, 6), outline * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient placed = fill;
    placed.setStart(0, centre.y() - box.height() / 2);
    placed.setFinalStop(0, centre.y() + box.height() / 2);
    painter.fillPath(path, placed);
}

}  // namespace

SceneStyle DuskStyle() {
    return {QColor(0x1d, 0x2b, 0x48), QColor(0xe0, 0x8a, 0x3c), QColor(0xff, 0xd8, 0x8a),
            QColor(0x4a, 0x46, 0x5e), QColor(0x2a, 0x36, 0x2c), QColor(0x18, 0x22, 0x16),
            QColor(0x0e, 0x16, 0x0e)};
}

void DrawHuntingScene(QPainter& painter, const QRectF& r, const SceneStyle& s) {
    painter.save();
    painter.setClipRect(r);
    const qreal horizonY = r.top() + s.horizon * r.height();
    QLinearGradient sky(0, r.top(), 0, horizonY);
    sky.setColorAt(0, s.skyTop);
    sky.setColorAt(0.55, s.skyTop.lighter(135));
    sky.setColorAt(1, s.skyHorizon);
    painter.fillRect(r, sky);

    const QPointF sunAt(r.left() + r.width() * (0.68 - 0.1 * (s.phase % 3)), horizonY - r.height() * 0.08);
    QRadialGradient glow(sunAt, r.height() * 0.45);
    QColor haze = s.sun;
    haze.setAlpha(150);
    glow.setColorAt(0, haze);
    glow.setColorAt(1, QColor(s.sun.red(), s.sun.green(), s.sun.blue(), 0));
    painter.fillRect(r, glow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(s.sun);
    painter.drawEllipse(sunAt, r.height() * 0.06, r.height() * 0.06);

    painter.fillPath(RidgePath(r, s.horizon - 0.12, s.phase, 0.05, 0.03), s.farHills);
    QPainterPath near = RidgePath(r, s.horizon + 0.02, s.phase + 1, 0.06, 0.025);
    painter.fillPath(near, s.nearHills);
    if (s.snow)
        painter.fillPath(RidgePath(r, s.horizon - 0.11, s.phase, 0.05, 0.03)
                             .subtracted(RidgePath(r, s.horizon - 0.07, s.phase, 0.05, 0.03)),
                         QColor(235, 240, 250, 160));

    for (int i = 0; i < 14; ++i) {
        const qreal t = std::fmod(0.037 + i * 0.0731 + s.phase * 0.13, 1.0);
        const qreal foot = r.top() + (s.horizon + 0.06 + Ridge(t, s.phase + 1, 0.06, 0.025)) * r.height();
        const qreal h = r.height() * (0.13 + 0.05 * std::fmod(i * 0.618, 1.0));
        DrawPine(painter, QPointF(r.left() + t * r.width(), foot), h, s.trees.lighter(115), s.snow);
    }

    QPainterPath ground = RidgePath(r, 0.84, s.phase + 2, 0.035, 0.015);
    QLinearGradient soil(0, r.top() + 0.78 * r.height(), 0, r.bottom());
    soil.setColorAt(0, s.ground);
    soil.setColorAt(1, s.ground.darker(170));
    painter.fillPath(ground, soil);
    DrawPine(painter, QPointF(r.left() + r.width() * 0.06, r.bottom() + 2), r.height() * 0.5, s.trees,
             s.snow);
    DrawPine(painter, QPointF(r.left() + r.width() * 0.95, r.bottom() + 4), r.height() * 0.42, s.trees,
             s.snow);

    if (s.deer) {
        const qreal size = r.height() * 0.3;
        painter.save();
        painter.translate(r.left() + r.width() * 0.58, r.top() + 0.87 * r.height() - size * 0.8);
        painter.scale(size / 80, size / 80);
        painter.fillPath(DeerPath(), s.trees);
        painter.restore();
    }
    painter.restore();
}

void DrawGameLogo(QPainter& painter, QPointF centre, qreal scale) {
    painter.save();
    QLinearGradient gold;
    gold.setColorAt(0, QColor(0xff, 0xf0, 0xb8));
    gold.setColorAt(0.5, QColor(0xf0, 0xc2, 0x58));
    gold.setColorAt(1, QColor(0xa8, 0x6a, 0x1c));
    const int nameSize = int(std::lround(30 * scale));
    DrawLogoWord(painter, QStringLiteral("Fennock"), ArtFont(nameSize, true, scale), centre, gold,
                 1.2 * scale);

    QLinearGradient cream;
    cream.setColorAt(0, QColor(0xf4, 0xee, 0xde));
    cream.setColorAt(1, QColor(0xc8, 0xbe, 0xa4));
    const QPointF sub = centre + QPointF(0, nameSize * 0.78);
    const QFont small = ArtFont(int(std::lround(10.5 * scale)), true, 0.6 * scale);
    DrawLogoWord(painter, QStringLiteral("MARROWBY EDITION"), small, sub, cream, 0.8 * scale);
    painter.restore();
}

void DrawSponsorRow(QPainter& painter, const QRectF& r) {
    painter.save();
    QLinearGradient band(0, r.top(), 0, r.bottom());
    band.setColorAt(0, QColor(0, 0, 0, 60));
    band.setColorAt(0.35, QColor(8, 8, 8, 220));
    band.setColorAt(1, QColor(4, 4, 4));
    painter.fillRect(r, band);
    const qreal h = std::min<qreal>(r.height() - 4, 16);
    const qreal cy = r.top() + r.height() / 2;
    const QColor mark(0xb4, 0xb4, 0xb4);
    painter.setPen(QPen(mark, 1.2));
    painter.setBrush(Qt::NoBrush);
    const qreal step = r.width() / 5;
    for (int i = 0; i < 5; ++i) {
        const QPointF c(r.left() + step * (i + 0.5), cy);
        const QRectF box(c.x() - h / 2, c.y() - h / 2, h, h);
        switch (i) {
        case 0:  // a compass star in a ring
            painter.drawEllipse(box);
            painter.setBrush(mark);
            painter.drawPolygon(QPolygonF{
                {c.x(), box.top() + 2}, {c.x() + 2, c.y()}, {c.x(), box.bottom() - 2}, {c.x() - 2, c.y()}});
            painter.setBrush(Qt::NoBrush);
            break;
        case 1:  // a shield with a bar
            painter.drawPath([&] {
                QPainterPath shield;
                shield.moveTo(box.left() + 2, box.top() + 1);
                shield.lineTo(box.right() - 2, box.top() + 1);
                shield.lineTo(box.right() - 2, c.y());
                shield.quadTo(box.right() - 2, box.bottom() - 2, c.x(), box.bottom());
                shield.quadTo(box.left() + 2, box.bottom() - 2, box.left() + 2, c.y());
                shield.closeSubpath();
                return shield;
            }());
            painter.drawLine(QPointF(box.left() + 4, c.y() - 1), QPointF(box.right() - 4, c.y() - 1));
            break;
        case 2: {  // the maker's word mark
            painter.setFont(ArtFont(int(h * 0.62)));
            painter.setPen(kGreen);
            painter.drawText(QRectF(c.x() - step / 2, box.top(), step, h), Qt::AlignCenter,
                             QStringLiteral("ORLENPORT"));
            painter.setPen(QPen(mark, 1.2));
            break;
        }
        case 3:  // antlers over a bar
            painter.drawLine(QPointF(box.left(), box.bottom() - 2), QPointF(box.right(), box.bottom() - 2));
            painter.drawPolyline(
                QPolygonF{{c.x() - 1, box.bottom() - 4}, {c.x() - 5, box.top() + 2}, {c.x() - 7, box.top()}});
            painter.drawPolyline(
                QPolygonF{{c.x() + 1, box.bottom() - 4}, {c.x() + 5, box.top() + 2}, {c.x() + 7, box.top()}});
            painter.drawLine(QPointF(c.x() - 4, c.y()), QPointF(c.x() - 8, c.y() - 2));
            painter.drawLine(QPointF(c.x() + 4, c.y()), QPointF(c.x() + 8, c.y() - 2));
            break;
        default:  // a diamond of two waves
            painter.drawPolygon(QPolygonF{
                {c.x(), box.top()}, {box.right(), c.y()}, {c.x(), box.bottom()}, {box.left(), c.y()}});
            painter.drawLine(QPointF(box.left() + 4, c.y()), QPointF(box.right() - 4, c.y()));
            break;
        }
    }
    painter.restore();
}

}  // namespace tessary::artwork
