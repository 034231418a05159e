// tessary_artwork OUTDIR [PREVIEWDIR]
//
// Draws every picture built into Tessary and writes them into OUTDIR as the
// program stores them: uncompressed BMPs, the icon (as an icon file, a PNG and
// the two raw resource parts) and the resource list assets.qrc. With
// PREVIEWDIR it also writes the demo game's map previews there.

#include "bmp_writer.h"
#include "frame_art.h"
#include "icon_art.h"
#include "mover_art.h"
#include "preview_art.h"
#include "splash_art.h"

#include <QtCore/QBuffer>
#include <QtCore/QDir>
#include <QtGui/QGuiApplication>

#include <cstdio>
#include <exception>

namespace tessary::artwork {
namespace {

constexpr int kIconSize = 64;
constexpr std::uint16_t kIconImageId = 30001;

void WritePictures(const QDir& dir, const PictureSet& pictures, QStringList& written) {
    for (const auto& picture : pictures) {
        WriteFile(dir.filePath(picture.fileName), EncodeBmp24(picture.image));
        written << picture.fileName;
    }
}

void WriteIcon(const QDir& dir, QStringList& written) {
    const QImage image = IconImage();
    const QByteArray dib = EncodeIconDib(image);
    WriteFile(dir.filePath("tessary.ico"), EncodeIconFile(dib, kIconSize));
    WriteFile(dir.filePath("icon_image.bin"), dib);
    WriteFile(dir.filePath("icon_group.bin"), EncodeIconGroup(dib, kIconSize, kIconImageId));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    WriteFile(dir.filePath("tessary_icon.png"), png);
    written << "tessary.ico"
            << "tessary_icon.png";
}

QByteArray ResourceList(QStringList files) {
    files.sort();
    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/assets\">\n";
    for (const auto& file : files) qrc += "    <file>" + file.toUtf8() + "</file>\n";
    qrc += "  </qresource>\n</RCC>\n";
    return qrc;
}

int Run(const QStringList& args) {
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: tessary_artwork OUTDIR [PREVIEWDIR]\n");
        return 2;
    }
    QDir out(args[1]);
    if (!out.mkpath(".")) throw std::runtime_error("cannot create " + args[1].toStdString());
    QStringList written;
    WritePictures(out, MoverPictures(), written);
    WritePictures(out, SplashPictures(), written);
    WriteFile(out.filePath("frame.bmp"), FrameBitmap());
    written << "frame.bmp";
    WriteIcon(out, written);
    WriteFile(out.filePath("assets.qrc"), ResourceList(written));
    if (args.size() == 3) {
        QDir previews(args[2]);
        if (!previews.mkpath(".")) throw std::runtime_error("cannot create " + args[2].toStdString());
        QStringList demo;
        WritePictures(previews, DemoPreviews(), demo);
    }
    return 0;
}

}  // namespace
}  // namespace tessary::artwork

int main(int argc, char** argv) {
    // The tool only draws into images; it never needs a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        return tessary::artwork::Run(QGuiApplication::arguments());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tessary_artwork: %s\n", e.what());
        return 1;
    }
}
