#pragma once

#include <QtGui/QColor>
#include <QtGui/QFont>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>

#include <cstdint>

// The shared look of the program's skin: the dark grey metal panel, bevels,
// green accents and lettering.
namespace tessary::artwork {

inline const QColor kGreen{0x3f, 0xbf, 0x3f};
inline const QColor kGreenDark{0x1d, 0x6e, 0x1d};
inline const QColor kGreenLight{0x9c, 0xf0, 0x8c};
inline const QColor kIdleText{0xd0, 0xd0, 0xd0};
inline const QColor kPanelTop{0x4c, 0x4c, 0x4c};
inline const QColor kPanelBottom{0x2c, 0x2c, 0x2c};

// A black RGB32 canvas of the given size.
QImage Canvas(int width, int height);

// DejaVu Sans at a pixel size; bold unless asked otherwise.
QFont ArtFont(int pixelSize, bool bold = true, qreal letterSpacing = 0);

// A painter with antialiasing on.
void Prepare(QPainter& painter);

// Fills `outline` with the brushed dark grey metal of the panel, with a bevel
// along its edge: light above, dark below. `top` and `bottom` bound the
// vertical gradient.
void DrawPanel(QImage& image, const QPainterPath& outline, qreal top, qreal bottom);

// A raised (or sunken) plate with rounded corners and a bevelled edge.
void DrawPlate(QPainter& painter, const QRectF& rect, qreal radius, QColor faceTop, QColor faceBottom,
               bool sunken = false);

// Text centred in `rect` with a one-pixel dark shadow below right; a green
// text gets a faint glow.
void DrawLabel(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font, QColor colour);

// A glossy green bar with rounded ends.
void DrawGreenBar(QPainter& painter, const QRectF& rect);

// A small domed screw head.
void DrawScrew(QPainter& painter, QPointF centre, qreal radius);

// The emblem: a grey disc with a ring and a hunter in silhouette. `disc` is
// the disc's bounding square.
void DrawEmblem(QPainter& painter, const QRectF& disc);

// Adds a fine deterministic grain (brushed metal) to the pixels inside
// `area`, at most `amplitude` levels up or down.
void AddGrain(QImage& image, const QPainterPath& area, int amplitude, std::uint32_t seed);

}  // namespace tessary::artwork
