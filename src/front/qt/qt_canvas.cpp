#include "front/qt/qt_canvas.h"

#include <cstring>

#include "forms/preview_picture.h"
#include "front/posix/posix_files.h"
#include "front/qt/asset_picture.h"
#include "platform/failure.h"

namespace tessary {

namespace {

// A decoded picture as a pixmap.
QPixmap ToPixmap(const Picture& picture, const std::string& path) {
    QImage image(picture.width, picture.height, QImage::Format_ARGB32);
    if (image.isNull())
        throw RuntimeFailure(kInvalidPicture, "Out of memory for the picture \"" + path + "\"");
    for (int y = 0; y < picture.height; ++y) {
        std::memcpy(image.scanLine(y), picture.pixels.data() + static_cast<std::size_t>(y) * picture.width,
                    static_cast<std::size_t>(picture.width) * sizeof(std::uint32_t));
    }
    return QPixmap::fromImage(std::move(image));
}

}  // namespace

const CanvasPicture* QtMoverPictures::Skin(std::string_view name) {
    auto it = skins_.find(name);
    if (it == skins_.end()) {
        it = skins_.emplace(std::string(name), QtPicture(AssetPicture(ToQString(name)))).first;
    }
    return it->second.Pixmap().isNull() ? nullptr : &it->second;
}

std::unique_ptr<CanvasPicture> QtMoverPictures::ReadPreview(const std::string& path) {
    const Picture picture = ReadPreviewPicture(path, [](const std::string& file, std::size_t maxBytes) {
        // Opened without waiting, and only a plain file (after links).
        return PosixFiles().ReadStart(file, maxBytes);
    });
    return std::make_unique<QtPicture>(ToPixmap(picture, path));
}

void QtCanvas::Fill(const LayoutRect& place, Rgb colour) {
    painter_.fillRect(ToQRect(place), ToQColor(colour));
}

void QtCanvas::DrawPicture(const CanvasPicture& picture, const LayoutRect& place) {
    const QRect area = ToQRect(place);
    painter_.save();
    painter_.setClipRect(area);
    painter_.drawPixmap(area.topLeft(), static_cast<const QtPicture&>(picture).Pixmap());
    painter_.restore();
}

void QtCanvas::WriteText(const LayoutRect& place, std::string_view text, Rgb colour) {
    painter_.setPen(ToQColor(colour));
    painter_.setFont(font_);
    painter_.drawText(ToQRect(place), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                      ToQString(text));
}

void QtCanvas::DrawBorder(const LayoutRect& place, Rgb colour, int width) {
    painter_.setPen(QPen(ToQColor(colour), width));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(ToQRect(place).adjusted(0, 0, -1, -1));
}

}  // namespace tessary
