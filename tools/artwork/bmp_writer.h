#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QString>
#include <QtGui/QImage>

#include <array>
#include <cstdint>

namespace tessary::artwork {

// The 16 palette entries of a 4-bit picture, as (red, green, blue).
using Palette16 = std::array<QRgb, 16>;

// A 24-bit BI_RGB bitmap: 54-byte header, bottom-up rows of blue-green-red
// triples, each row padded to four bytes.
QByteArray EncodeBmp24(const QImage& image);

// A 4-bit BI_RGB bitmap with a 16-entry palette. `indices` holds one palette
// index (0..15) per pixel, row by row, width * height values.
QByteArray EncodeBmp4(int width, int height, const Palette16& palette, const QByteArray& indices);

// The device-independent bitmap of a 24-bit icon image as it is stored in an
// icon file or an RT_ICON resource: header with doubled height, colour rows,
// then an all-opaque AND mask.
QByteArray EncodeIconDib(const QImage& image);

// An icon file holding the one image `dib` of the given pixel size.
QByteArray EncodeIconFile(const QByteArray& dib, int size);

// RT_GROUP_ICON data naming the one icon image resource `imageId`.
QByteArray EncodeIconGroup(const QByteArray& dib, int size, std::uint16_t imageId);

// Writes `bytes` to `path`; throws std::runtime_error on failure.
void WriteFile(const QString& path, const QByteArray& bytes);

}  // namespace tessary::artwork
