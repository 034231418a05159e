#include "platform/qt/asset_picture.h"

#include <QImage>
#include <QImageReader>
#include <QResource>

#include <array>
#include <cstdint>
#include <cstring>

namespace tessary {

namespace {

std::uint32_t U32(const uchar* p) { return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24; }
std::uint16_t U16(const uchar* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

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
    constexpr qint64 kHeaders = 14 + 40;
    if (size < kHeaders || data[0] != 'B' || data[1] != 'M') return {};
    const std::uint32_t offset = U32(data + 10);
    const std::uint32_t infoSize = U32(data + 14);
    const auto width = static_cast<std::int32_t>(U32(data + 18));
    const auto height = static_cast<std::int32_t>(U32(data + 22));
    const int bits = U16(data + 28);
    if (infoSize < 40 || U16(data + 26) != 1 || U32(data + 30) != 0) return {};
    if (bits != 4 && bits != 8 && bits != 24) return {};
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384) return {};
    const qint64 stride = (qint64(width) * bits + 31) / 32 * 4;
    if (offset < kHeaders || offset > size || stride * height > size - offset) return {};

    QRgb palette[256] = {};
    if (bits < 24) {
        const qint64 paletteAt = 14 + qint64(infoSize);
        const std::uint32_t used = U32(data + 46);
        const qint64 colours = used == 0 ? qint64(1) << bits : qint64(used);
        if (colours > (qint64(1) << bits) || paletteAt + colours * 4 > offset) return {};
        for (qint64 i = 0; i < colours; ++i) {
            const uchar* entry = data + paletteAt + i * 4;
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

}  // namespace tessary
