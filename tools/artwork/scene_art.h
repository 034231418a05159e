#pragma once

#include <QtGui/QColor>
#include <QtGui/QPainter>

// The game's own imagery: a hunting landscape, the game's logo and the row of
// sponsor marks.
namespace tessary::artwork {

struct SceneStyle {
    QColor skyTop;
    QColor skyHorizon;
    QColor sun;
    QColor farHills;
    QColor nearHills;
    QColor ground;
    QColor trees;
    qreal horizon = 0.62;  // fraction of the height where the sky ends
    int phase = 0;         // shifts the hills and trees, for distinct landscapes
    bool deer = true;
    bool snow = false;
};

// Dusk over wooded hills, the game's usual look.
SceneStyle DuskStyle();

// Sky, hills, pines and a deer filling `rect`.
void DrawHuntingScene(QPainter& painter, const QRectF& rect, const SceneStyle& style);

// "Fennock" with "Marrowby Edition" beneath, centred on `centre`; `scale` 1
// gives a 30-pixel name.
void DrawGameLogo(QPainter& painter, QPointF centre, qreal scale);

// A dark strip with five small sponsor marks, filling `rect`.
void DrawSponsorRow(QPainter& painter, const QRectF& rect);

}  // namespace tessary::artwork
