#include "front/qt/qt_canvas.h"

#include <cstring>
#include <utility>

#include "forms/preview_picture.h"
#include "front/posix/posix_files.h"
#include "front/qt/asset_picture.h"
#include "platform/failure.h"

namespace tessary {

namespace {

// A decoded picture, every pixel opaque, as an image drawn without blending.
QImage ToImage(const Picture& picture, const std::string& path) {
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    if (image.isNull())
        throw RuntimeFailure(kInvalidPicture, "Out of memory for the picture \"" + path + "\"");
    for (int y = 0; y < picture.height; ++y) {
        std::memcpy(image.scanLine(y), picture.pixels.data() + static_cast<std::size_t>(y) * picture.width,
                    static_cast<std::size_t>(picture.width) * sizeof(std::uint32_t));
    }
    return image;
}

}  // namespace

void QtPicture::Draw(QPainter& painter, QPoint at, const QRect& within) const {
    if (stored_) {
        painter.translate(at);
        stored_->Draw(painter, within.translated(-at));
        painter.translate(-at);
        return;
    }
    // Read once; one that cannot be read draws nothing.
    if (!assetName_.isEmpty()) image_ = AssetImage(std::exchange(assetName_, QString()));
    painter.drawImage(at, image_);
}

const CanvasPicture* QtMoverPictures::Skin(std::string_view name) {
    // Pictures that would take more memory than this decoded are drawn from
    // their stored bytes.
    constexpr qint64 kLargestDecodedBytes = 512 * 1024;
    auto it = skins_.find(name);
    if (it == skins_.end()) {
        const QString assetName = ToQString(name);
        const QSize size = AssetPictureSize(assetName);
        if (size.isEmpty()) return nullptr;
        const bool large = qint64(size.width()) * size.height() * 4 > kLargestDecodedBytes;
        it = skins_
                 .emplace(std::string(name),
                          large ? QtPicture(StoredPicture(assetName))
                                : QtPicture(assetName, PixelSize{size.width(), size.height()}))
                 .first;
    }
    return &it->second;
}

std::unique_ptr<CanvasPicture> QtMoverPictures::ReadPreview(const std::string& path) {
    const Picture picture = ReadPreviewPicture(path, [](const std::string& file, std::size_t maxBytes) {
        // Opened without waiting, and only a plain file (after links).
        return PosixFiles().ReadStart(file, maxBytes);
    });
    return std::make_unique<QtPicture>(ToImage(picture, path));
}

void QtCanvas::Fill(const LayoutRect& place, Rgb colour) {
    painter_.fillRect(ToQRect(place), ToQColor(colour));
}

void QtCanvas::DrawPicture(const CanvasPicture& picture, const LayoutRect& place) {
    const QRect area = ToQRect(place);
    painter_.save();
    painter_.setClipRect(area);
    static_cast<const QtPicture&>(picture).Draw(painter_, area.topLeft(), area & dirty_);
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
