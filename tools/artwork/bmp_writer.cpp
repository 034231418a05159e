#include "bmp_writer.h"

#include <QtCore/QFile>

#include <stdexcept>

namespace tessary::artwork {
namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr std::int32_t kPixelsPerMetre = 3780;  // 96 dots per inch

void Put16(QByteArray& out, std::uint16_t value) {
    out.append(char(value & 0xFF));
    out.append(char(value >> 8));
}

void Put32(QByteArray& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.append(char((value >> shift) & 0xFF));
}

int PaddedRow(int bytes) { return (bytes + 3) / 4 * 4; }

void PutFileHeader(QByteArray& out, std::uint32_t fileSize, std::uint32_t pixelOffset) {
    out.append("BM", 2);
    Put32(out, fileSize);
    Put32(out, 0);  // two reserved words
    Put32(out, pixelOffset);
}

void PutInfoHeader(QByteArray& out, int width, int height, int bitCount, std::uint32_t imageSize,
                   std::uint32_t coloursUsed) {
    Put32(out, kInfoHeaderSize);
    Put32(out, std::uint32_t(width));
    Put32(out, std::uint32_t(height));
    Put16(out, 1);  // planes
    Put16(out, std::uint16_t(bitCount));
    Put32(out, 0);  // BI_RGB
    Put32(out, imageSize);
    Put32(out, kPixelsPerMetre);
    Put32(out, kPixelsPerMetre);
    Put32(out, coloursUsed);
    Put32(out, 0);  // all colours important
}

void PutRows24(QByteArray& out, const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int rowBytes = PaddedRow(rgb.width() * 3);
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            out.append(char(qBlue(line[x])));
            out.append(char(qGreen(line[x])));
            out.append(char(qRed(line[x])));
        }
        out.append(QByteArray(rowBytes - rgb.width() * 3, '\0'));
    }
}

}  // namespace

QByteArray EncodeBmp24(const QImage& image) {
    const std::uint32_t imageSize = std::uint32_t(PaddedRow(image.width() * 3) * image.height());
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
    QByteArray out;
    out.reserve(int(offset + imageSize));
    PutFileHeader(out, offset + imageSize, offset);
    PutInfoHeader(out, image.width(), image.height(), 24, imageSize, 0);
    PutRows24(out, image);
    return out;
}

QByteArray EncodeBmp4(int width, int height, const Palette16& palette, const QByteArray& indices) {
    if (indices.size() != qsizetype(width) * height)
        throw std::invalid_argument("EncodeBmp4: wrong number of pixel indices");
    const int rowBytes = PaddedRow((width + 1) / 2);
    const std::uint32_t imageSize = std::uint32_t(rowBytes * height);
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + 16 * 4;
    QByteArray out;
    out.reserve(int(offset + imageSize));
    PutFileHeader(out, offset + imageSize, offset);
    PutInfoHeader(out, width, height, 4, imageSize, 16);
    for (QRgb colour : palette) {
        out.append(char(qBlue(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qRed(colour)));
        out.append('\0');
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < width; ++x) {
            const auto index = std::uint8_t(indices[qsizetype(y) * width + x]) & 0x0F;
            row[x / 2] = char(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        out.append(row);
    }
    return out;
}

QByteArray EncodeIconDib(const QImage& image) {
    const int maskRow = PaddedRow((image.width() + 7) / 8);
    const std::uint32_t colourSize = std::uint32_t(PaddedRow(image.width() * 3) * image.height());
    const std::uint32_t maskSize = std::uint32_t(maskRow * image.height());
    QByteArray out;
    PutInfoHeader(out, image.width(), image.height() * 2, 24, colourSize + maskSize, 0);
    PutRows24(out, image);
    out.append(QByteArray(int(maskSize), '\0'));  // every mask bit 0: opaque
    return out;
}

QByteArray EncodeIconFile(const QByteArray& dib, int size) {
    constexpr std::uint32_t kImageOffset = 6 + 16;
    QByteArray out;
    Put16(out, 0);  // reserved
    Put16(out, 1);  // icon
    Put16(out, 1);  // one image
    out.append(char(size));
    out.append(char(size));
    out.append('\0');  // no palette
    out.append('\0');  // reserved
    Put16(out, 1);     // planes
    Put16(out, 24);    // bits per pixel
    Put32(out, std::uint32_t(dib.size()));
    Put32(out, kImageOffset);
    out.append(dib);
    return out;
}

QByteArray EncodeIconGroup(const QByteArray& dib, int size, std::uint16_t imageId) {
    QByteArray out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, 1);
    out.append(char(size));
    out.append(char(size));
    out.append('\0');
    out.append('\0');
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, std::uint32_t(dib.size()));
    Put16(out, imageId);
    return out;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

}  // namespace tessary::artwork
