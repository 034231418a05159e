#include "front/qt/qt_canvas.h"

#include <cstring>

#include "forms/bmp_picture.h"
#include "platform/failure.h"
#include "front/posix/posix_files.h"
#include "front/qt/asset_picture.h"

namespace tessary {

QImage ReadPreviewPicture(const std::string& path) {
    // Only a plain file (after links), opened without waiting: a pipe or a
    // device of the picture's name would hold up the window for good.
    // Never more than any acceptable picture can need.
    const std::string bytes = PosixFiles().ReadStart(path, kMaxPictureFileBytes + 1);
    if (bytes.size() > kMaxPictureFileBytes) {
        throw RuntimeFailure(kInvalidPicture, "The picture \"" + path + "\" is too large");
    }
    const auto result = DecodeBmp(
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    if (!result.picture) throw RuntimeFailure(kInvalidPicture, "Invalid picture: " + result.reason);
    const Picture& picture = *result.picture;
    QImage image(picture.width, picture.height, QImage::Format_ARGB32);
    if (image.isNull())
        throw RuntimeFailure(kInvalidPicture, "Out of memory for the picture \"" + path + "\"");
    for (int y = 0; y < picture.height; ++y) {
        std::memcpy(image.scanLine(y), picture.pixels.data() + static_cast<std::size_t>(y) * picture.width,
                    static_cast<std::size_t>(picture.width) * sizeof(std::uint32_t));
    }
    return image;
}

namespace {}  // namespace

const CanvasPicture* QtMoverPictures::Skin(std::string_view name) {
    auto it = skins_.find(name);
    if (it == skins_.end()) {
        it = skins_.emplace(std::string(name), QtPicture(AssetPicture(ToQString(name)))).first;
    }
    return it->second.Pixmap().isNull() ? nullptr : &it->second;
}

std::unique_ptr<CanvasPicture> QtMoverPictures::ReadPreview(const std::string& path) {
    return std::make_unique<QtPicture>(QPixmap::fromImage(ReadPreviewPicture(path)));
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
