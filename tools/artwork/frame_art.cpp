#include "frame_art.h"

#include "bmp_writer.h"
#include "paint_kit.h"

#include <cstdlib>

namespace tessary::artwork {
namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 960;
// Nine greys from black to (66, 66, 66); the seven entries after them are
// white and unused.
constexpr int kGreys[9] = {0, 8, 16, 25, 33, 41, 49, 58, 66};

Palette16 FramePalette() {
    Palette16 palette{};
    for (int i = 0; i < 16; ++i)
        palette[i] = i < 9 ? qRgb(kGreys[i], kGreys[i], kGreys[i]) : qRgb(255, 255, 255);
    return palette;
}

int NearestGrey(int level) {
    int best = 0;
    for (int i = 1; i < 9; ++i)
        if (std::abs(kGreys[i] - level) < std::abs(kGreys[best] - level)) best = i;
    return best;
}

QImage FrameDrawing() {
    QImage image = Canvas(kWidth, kHeight);
    QPainter p(&image);
    Prepare(p);
    p.setFont(ArtFont(26, true, 1));
    p.setPen(QColor(66, 66, 66));
    p.drawText(QRect(18, 8, 200, 34), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Orlenport"));
    p.setFont(ArtFont(11, false, 0.5));
    p.setPen(QColor(49, 49, 49));
    p.drawText(QRect(20, 40, 260, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("maps and tools for hunters"));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(170, 26, kWidth - 170, 1), QColor(41, 41, 41));
    p.fillRect(QRect(8, 64, 1, kHeight - 64), QColor(41, 41, 41));
    return image;
}

}  // namespace

QByteArray FrameBitmap() {
    const QImage drawing = FrameDrawing();
    QByteArray indices(kWidth * kHeight, '\0');
    for (int y = 0; y < kHeight; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(drawing.constScanLine(y));
        for (int x = 0; x < kWidth; ++x) indices[y * kWidth + x] = char(NearestGrey(qGray(line[x])));
    }
    return EncodeBmp4(kWidth, kHeight, FramePalette(), indices);
}

}  // namespace tessary::artwork
