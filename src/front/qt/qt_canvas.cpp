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

void QtPicture::Draw(QPainter& painter, QPoint at, const QRegion& parts) const {
    if (stored_) {
        painter.translate(at);
        stored_->Draw(painter, parts.translated(-at));
        painter.translate(-at);
        return;
    }
    // Read once; one that cannot be read draws nothing.
    if (!assetName_.isEmpty()) image_ = AssetImage(std::exchange(assetName_, QString()));
    if (image_.isNull()) return;
    for (const QRect& part : parts) {
        const ClippedTo clipped(painter, part);
        painter.drawImage(part.topLeft(), image_, part.translated(-at));
    }
}

bool QtPicture::DrawsWhole() const {
    if (stored_) return stored_->DrawsWhole();
    if (!assetName_.isEmpty()) image_ = AssetImage(std::exchange(assetName_, QString()));
    return !image_.isNull() && !image_.hasAlphaChannel();
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
    steps_.push_back({Kind::Fill, ToQRect(place), colour});
}

void QtCanvas::DrawPicture(const CanvasPicture& picture, const LayoutRect& place) {
    steps_.push_back({Kind::Picture, ToQRect(place), {}, &static_cast<const QtPicture&>(picture)});
}

void QtCanvas::WriteText(const LayoutRect& place, std::string_view text, Rgb colour) {
    steps_.push_back({Kind::Text, ToQRect(place), colour, nullptr, std::string(text)});
}

void QtCanvas::DrawBorder(const LayoutRect& place, Rgb colour, int width) {
    steps_.push_back({Kind::Border, ToQRect(place), colour, nullptr, {}, width});
}

void QtCanvas::Finish() {
    // From the top step down: what each fill or picture shows of itself,
    // and what it hides of the steps below.
    std::vector<QRegion> shown(steps_.size());
    QRegion hidden;
    for (std::size_t i = steps_.size(); i-- > 0;) {
        const Step& step = steps_[i];
        if (step.kind == Kind::Text || step.kind == Kind::Border) continue;
        QRect covers = step.place;
        if (step.kind == Kind::Picture) {
            const PixelSize size = step.picture->Size();
            covers &= QRect(step.place.topLeft(), QSize(size.width, size.height));
        }
        shown[i] = QRegion(covers).intersected(dirty_).subtracted(hidden);
        if (shown[i].isEmpty()) continue;
        if (step.kind == Kind::Fill || step.picture->DrawsWhole()) hidden += covers;
    }
    for (std::size_t i = 0; i < steps_.size(); ++i) {
        const Step& step = steps_[i];
        switch (step.kind) {
        case Kind::Fill:
            for (const QRect& part : shown[i]) {
                const ClippedTo clipped(painter_, part);
                painter_.fillRect(part, ToQColor(step.colour));
            }
            break;
        case Kind::Picture:
            if (!shown[i].isEmpty()) step.picture->Draw(painter_, step.place.topLeft(), shown[i]);
            break;
        case Kind::Text:
            painter_.setPen(ToQColor(step.colour));
            painter_.setFont(font_);
            painter_.drawText(step.place,
                              Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                              ToQString(step.text));
            break;
        case Kind::Border:
            painter_.setPen(QPen(ToQColor(step.colour), step.width));
            painter_.setBrush(Qt::NoBrush);
            painter_.drawRect(step.place.adjusted(0, 0, -1, -1));
            break;
        }
    }
    steps_.clear();
}

}  // namespace tessary
