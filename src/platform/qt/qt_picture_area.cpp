#include "platform/qt/qt_picture_area.h"

#include <cstring>

#include "forms/bmp_picture.h"
#include "platform/failure.h"
#include "platform/posix/posix_files.h"

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

QtPictureArea::QtPictureArea(MoverLayoutState& state, std::size_t row, std::function<void()> changed)
    : state_(state), row_(row), changed_(std::move(changed)) {}

void QtPictureArea::SetVisible(bool visible) {
    state_.SetVisible(row_, visible);
    changed_();
}

bool QtPictureArea::Visible() const { return state_.Visible(row_); }

void QtPictureArea::LoadPicture(const std::string& path) {
    const QImage image = ReadPreviewPicture(path);
    picture_ = QPixmap::fromImage(image);
    state_.SetPreviewPictureSize(PixelSize{image.width(), image.height()});
    changed_();
}

void QtPictureArea::ClearPicture() {
    picture_ = QPixmap();
    state_.SetPreviewPictureSize(std::nullopt);
    changed_();
}

}  // namespace tessary
