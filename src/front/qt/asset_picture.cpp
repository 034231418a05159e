#include "front/qt/asset_picture.h"

#include <QImage>
#include <QImageReader>
#include <QResource>

#include <array>
#include <cstdint>
#include <cstring>

#include "forms/bmp_picture.h"

namespace tessary {

namespace {

std::uint32_t U32(const uchar* p) { return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24; }

// One row of blue-green-red pixels as opaque RGB32, four pixels (twelve
// bytes, three little-endian words) at a time.
void CopyBgrRow(const uchar* from, QRgb* to, int width) {
    int x = 0;
    for (; x + 4 <= width; x += 4, from += 12) {
        const std::uint32_t a = U32(from), b = U32(from + 4), c = U32(from + 8);
        to[x] = 0xff000000u | (a & 0xffffffu);
        to[x + 1] = 0xff000000u | a >> 24 | (b & 0xffffu) << 8;
        to[x + 2] = 0xff000000u | b >> 16 | (c & 0xffu) << 16;
        to[x + 3] = 0xff000000u | c >> 8;
    }
    for (; x < width; ++x, from += 3) to[x] = qRgb(from[2], from[1], from[0]);
}

}  // namespace

QImage ReadArtworkBmp(const uchar* data, qint64 size, QSize part) {
    if (data == nullptr || size <= 0) return {};
    const auto layout = ReadPlainBmpLayout({data, static_cast<std::size_t>(size)});
    // Bottom-up rows of 4, 8 or 24 bits are read here; Qt reads the rest.
    if (!layout || layout->topDown || layout->bitCount == 1) return {};
    const int width = layout->width;
    const int height = layout->height;
    const int bits = layout->bitCount;
    const qint64 stride = static_cast<qint64>(layout->stride);
    const qint64 offset = static_cast<qint64>(layout->pixelsAt);

    QRgb palette[256] = {};
    if (bits < 24) {
        for (std::size_t i = 0; layout->paletteAt + i * 4 < layout->paletteEnd; ++i) {
            const uchar* entry = data + layout->paletteAt + i * 4;
            palette[i] = qRgb(entry[2], entry[1], entry[0]);
        }
    }

    // Four bits a pixel: each byte holds two pixels, the left one in its high half.
    std::array<std::array<QRgb, 2>, 256> pairOf{};
    if (bits == 4) {
        for (int byte = 0; byte < 256; ++byte) pairOf[byte] = {palette[byte >> 4], palette[byte & 0x0f]};
    }

    const QSize out = part.isEmpty() ? QSize(width, height) : part.boundedTo(QSize(width, height));
    QImage image(out, QImage::Format_RGB32);
    if (image.isNull()) return {};
    for (int y = 0; y < out.height(); ++y) {
        const uchar* row = data + offset + stride * (height - 1 - y);
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        if (bits == 24) {
            CopyBgrRow(row, to, out.width());
        } else if (bits == 8) {
            for (int x = 0; x < out.width(); ++x) to[x] = palette[row[x]];
        } else {
            const int pairs = out.width() / 2;
            for (int i = 0; i < pairs; ++i) std::memcpy(to + 2 * i, pairOf[row[i]].data(), sizeof(QRgb) * 2);
            if (out.width() % 2) to[out.width() - 1] = palette[row[pairs] >> 4];
        }
    }
    return image;
}

QPixmap AssetPicture(const QString& name, QSize part) {
    const QString path = QStringLiteral(":/assets/") + name;
    const QResource resource(path);
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression) {
        QImage image = ReadArtworkBmp(resource.data(), resource.size(), part);
        if (!image.isNull()) return QPixmap::fromImage(std::move(image));
    }
    QImageReader reader(path);
    const QSize whole = reader.size();
    if (!part.isEmpty() && whole.isValid()) reader.setClipRect(QRect(QPoint(0, 0), part.boundedTo(whole)));
    return QPixmap::fromImage(reader.read());
}

QIcon ProgramIcon() {
    // Read as the PNG it is: left to guess, the reader would load every
    // image format plugin first.
    static const QIcon icon = [] {
        QImageReader reader(QStringLiteral(":/assets/tessary_icon.png"), "png");
        reader.setAutoDetectImageFormat(false);
        return QIcon(QPixmap::fromImage(reader.read()));
    }();
    return icon;
}

}  // namespace tessary
