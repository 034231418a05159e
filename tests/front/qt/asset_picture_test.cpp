// The built-in pictures as the program reads them, against Qt's own BMP
// reader.
#include <QDir>
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "front/qt/asset_picture.h"
#include "front/qt/qt_canvas.h"
#include "support/bmp_writer.h"

namespace tessary {
namespace {

// A bottom-up BI_RGB bitmap of random pixels (and, below 24 bits, a random
// palette of `colours` entries that the pixels stay within).
QByteArray RandomBmp(int width, int height, int bits, int colours, std::uint32_t seed) {
    std::mt19937 random(seed);
    testing::BmpFields fields;
    fields.width = width;
    fields.height = height;
    fields.bitCount = static_cast<std::uint16_t>(bits);
    if (bits < 24) {
        fields.colorsUsed = static_cast<std::uint32_t>(colours);
        for (int i = 0; i < colours; ++i) fields.palette.push_back(random() & 0xFFFFFFu);
    }
    for (int y = 0; y < height; ++y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>((width * bits + 7) / 8), 0);
        if (bits == 24) {
            for (auto& byte : row) byte = static_cast<std::uint8_t>(random());
        } else {
            for (int x = 0; x < width; ++x) {
                const auto index = static_cast<std::uint8_t>(random() % static_cast<std::uint32_t>(colours));
                if (bits == 8) row[x] = index;
                else row[x / 2] |= x % 2 ? index : static_cast<std::uint8_t>(index << 4);
            }
        }
        fields.rows.push_back(std::move(row));
    }
    const std::vector<std::uint8_t> bytes = testing::WriteBmp(fields);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

QImage Read(const QByteArray& bytes, QSize part = {}) {
    return ReadArtworkBmp(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size(), part);
}

QImage QtRead(const QByteArray& bytes) {
    return QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32);
}

TEST(ReadArtworkBmp, ReadsEveryWidthAndDepthAsQtDoes) {
    std::uint32_t seed = 1;
    for (const auto& [bits, colours] : {std::pair{24, 0}, {8, 256}, {8, 7}, {4, 16}, {4, 9}}) {
        for (int width = 1; width <= 9; ++width) {
            for (int height : {1, 2, 5}) {
                const QByteArray bmp = RandomBmp(width, height, bits, colours, seed++);
                const QImage expected = QtRead(bmp);
                ASSERT_FALSE(expected.isNull());
                const QImage image = Read(bmp);
                EXPECT_EQ(image.format(), QImage::Format_RGB32);
                EXPECT_EQ(image, expected) << bits << " bits, " << width << " x " << height;
            }
        }
    }
}

TEST(ReadArtworkBmp, ReadsOnlyTheTopLeftPartAskedFor) {
    const QByteArray bmp = RandomBmp(13, 7, 4, 16, 99);
    const QImage whole = QtRead(bmp);
    EXPECT_EQ(Read(bmp, QSize(5, 3)), whole.copy(0, 0, 5, 3));
    EXPECT_EQ(Read(bmp, QSize(40, 3)), whole.copy(0, 0, 13, 3));  // no larger than the picture
    EXPECT_EQ(Read(bmp, QSize(0, 0)), whole);                     // an empty part means all of it
}

TEST(ReadArtworkBmp, ReadsAnyPartFromAnyColumn) {
    std::uint32_t seed = 50;
    // Wide enough for the rows read many pixels at a step, from any column.
    for (const auto& [bits, colours] : {std::pair{24, 0}, {8, 256}, {4, 16}, {4, 9}}) {
        const QByteArray bmp = RandomBmp(40, 6, bits, colours, seed++);
        const auto* data = reinterpret_cast<const uchar*>(bmp.constData());
        const QImage whole = QtRead(bmp);
        for (int left = 0; left < 4; ++left) {
            for (int width : {1, 2, 5, 17, 36}) {
                const QRect part(left, 2, width, 3);
                EXPECT_EQ(ReadArtworkBmp(data, bmp.size(), part), whole.copy(part))
                    << bits << " bits from column " << left << ", " << width << " wide";
            }
        }
        // Cut to the picture; nothing where the part lies beside it.
        EXPECT_EQ(ReadArtworkBmp(data, bmp.size(), QRect(37, 4, 10, 10)), whole.copy(37, 4, 3, 2));
        EXPECT_TRUE(ReadArtworkBmp(data, bmp.size(), QRect(40, 0, 3, 3)).isNull());
    }
}

// The map window draws a fill or picture only where nothing later paints
// over it: a picture smaller than its place, or one that cannot be read,
// hides nothing beyond what it draws.
TEST(QtCanvas, OnlyWhatIsDrawnHidesWhatLiesBelow) {
    QImage window(30, 10, QImage::Format_RGB32);
    window.fill(Qt::white);
    QImage green(5, 5, QImage::Format_RGB32);
    green.fill(Qt::green);
    const QtPicture small(green);
    const QtPicture unreadable(QStringLiteral("no such picture.bmp"), PixelSize{10, 10});
    const QtPicture whole(QImage(10, 10, QImage::Format_RGB32));
    {
        QPainter painter(&window);
        const QFont font;
        QtCanvas canvas(painter, font, QRegion(0, 0, 30, 10));
        canvas.Fill({0, 0, 30, 10}, Rgb{255, 0, 0});
        canvas.DrawPicture(unreadable, {0, 0, 10, 10});
        canvas.DrawPicture(small, {10, 0, 10, 10});
        canvas.DrawPicture(whole, {20, 0, 10, 10});
        canvas.Fill({20, 0, 10, 10}, Rgb{0, 0, 255});
        canvas.Finish();
    }
    EXPECT_EQ(window.pixel(2, 2), qRgb(255, 0, 0));
    EXPECT_EQ(window.pixel(12, 2), qRgb(0, 255, 0));
    EXPECT_EQ(window.pixel(17, 7), qRgb(255, 0, 0));
    EXPECT_EQ(window.pixel(25, 5), qRgb(0, 0, 255));
}

TEST(ReadArtworkBmp, LeavesOtherFormsAndDamagedFilesToQt) {
    const QByteArray good = RandomBmp(6, 4, 24, 0, 7);
    ASSERT_FALSE(Read(good).isNull());
    auto changed = [&](int at, std::uint32_t value, int count = 4) {
        QByteArray bytes = good;
        for (int i = 0; i < count; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xff);
        return bytes;
    };
    EXPECT_TRUE(Read(changed(22, static_cast<std::uint32_t>(-4))).isNull()) << "top-down";
    EXPECT_TRUE(Read(changed(30, 1)).isNull()) << "run-length encoded";
    EXPECT_TRUE(Read(changed(28, 32, 2)).isNull()) << "32 bits a pixel";
    EXPECT_TRUE(Read(changed(0, 'X', 1)).isNull()) << "not a bitmap";
    EXPECT_TRUE(Read(changed(18, 0x7fffffff)).isNull()) << "absurd width";
    EXPECT_TRUE(Read(changed(10, 0x7ffffff0)).isNull()) << "pixels beyond the file";
    EXPECT_TRUE(Read(good.left(good.size() - 1)).isNull()) << "cut short";
    EXPECT_TRUE(Read(good.left(20)).isNull()) << "cut inside the header";
    const QByteArray paletted = RandomBmp(6, 4, 8, 200, 8);
    QByteArray tooManyColours = paletted;
    tooManyColours[46] = 0;
    tooManyColours[47] = 1;  // 256 colours claimed, 200 stored
    EXPECT_TRUE(Read(tooManyColours).isNull());
}

TEST(AssetPicture, EveryBuiltInPictureLooksAsQtReadsIt) {
    const QStringList names =
        QDir(QStringLiteral(":/assets")).entryList({QStringLiteral("*.bmp"), QStringLiteral("*.png")});
    ASSERT_GE(names.size(), 20);
    for (const QString& name : names) {
        const QImage expected =
            QImage(QStringLiteral(":/assets/") + name).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(expected.isNull()) << name.toStdString();
        const QImage picture = AssetPicture(name).toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(picture, expected) << name.toStdString();
        const QSize part(expected.width() / 2 + 1, expected.height() / 3 + 1);
        const QImage top = AssetPicture(name, part).toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(top, expected.copy(QRect(QPoint(0, 0), part))) << name.toStdString();
    }
    EXPECT_TRUE(AssetPicture(QStringLiteral("no such picture.bmp")).isNull());
}

}  // namespace
}  // namespace tessary
