#include "preview_art.h"

#include "paint_kit.h"
#include "scene_art.h"

namespace tessary::artwork {
namespace {

QImage Preview(int width, int height, const SceneStyle& style, const QString& name) {
    QImage image = Canvas(width, height);
    QPainter p(&image);
    Prepare(p);
    DrawHuntingScene(p, QRectF(0, 0, width, height), style);
    const QRectF strip(0, height - 20, width, 20);
    p.fillRect(strip, QColor(0, 0, 0, 150));
    p.setFont(ArtFont(12));
    p.setPen(QColor(0xe8, 0xe8, 0xe8));
    p.drawText(strip.adjusted(8, 0, -8, 0), Qt::AlignLeft | Qt::AlignVCenter, name);
    return image;
}

SceneStyle Frost() {
    return {QColor(0x3a, 0x5a, 0x8a),
            QColor(0xd8, 0xe4, 0xf0),
            QColor(0xff, 0xff, 0xf0),
            QColor(0x8a, 0x9a, 0xb4),
            QColor(0xc8, 0xd4, 0xe2),
            QColor(0xe6, 0xec, 0xf4),
            QColor(0x24, 0x36, 0x30),
            0.58,
            2,
            true,
            true};
}

SceneStyle Mesa() {
    return {QColor(0x4a, 0x7a, 0xb8),
            QColor(0xf0, 0xc8, 0x8a),
            QColor(0xff, 0xf0, 0xc0),
            QColor(0xb0, 0x6a, 0x44),
            QColor(0x8a, 0x5a, 0x32),
            QColor(0x6a, 0x4a, 0x28),
            QColor(0x3a, 0x2e, 0x1a),
            0.55,
            4,
            true,
            false};
}

SceneStyle Marsh() {
    return {QColor(0x5a, 0x66, 0x6a),
            QColor(0xb8, 0xbc, 0xa8),
            QColor(0xf0, 0xf0, 0xd8),
            QColor(0x6e, 0x78, 0x70),
            QColor(0x44, 0x52, 0x3e),
            QColor(0x2e, 0x3c, 0x2a),
            QColor(0x1c, 0x26, 0x1a),
            0.66,
            5,
            false,
            false};
}

// A clear summer day over green hills.
SceneStyle Summer() {
    return {QColor(0x3c, 0x78, 0xc8),
            QColor(0xb4, 0xd8, 0xf0),
            QColor(0xff, 0xfa, 0xe0),
            QColor(0x6a, 0x8c, 0x7a),
            QColor(0x4c, 0x7a, 0x3a),
            QColor(0x5a, 0x86, 0x34),
            QColor(0x24, 0x44, 0x22),
            0.6,
            1,
            true,
            false};
}

}  // namespace

SceneStyle Valley() {
    SceneStyle style = DuskStyle();
    style.phase = 3;
    style.horizon = 0.5;
    return style;
}

PictureSet DemoPreviews() {
    return {
        {"aspen_valley.bmp", Preview(200, 120, DuskStyle(), QStringLiteral("Aspen Valley"))},
        {"birch_lake.bmp", Preview(200, 120, Summer(), QStringLiteral("Birch Lake"))},
        {"ridgeline.bmp", Preview(200, 120, Mesa(), QStringLiteral("Ridgeline"))},
        {"canyon_run.bmp", Preview(400, 200, Valley(), QStringLiteral("Canyon Run"))},
        {"old_quarry.bmp", Preview(200, 120, Marsh(), QStringLiteral("Old Quarry"))},
        {"winter_pines.bmp", Preview(200, 120, Frost(), QStringLiteral("Winter Pines"))},
    };
}

}  // namespace tessary::artwork
