#pragma once
// The map window's pictures and drawing on Qt: images, and a painter on
// the window.

#include <QImage>
#include <QPainter>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "front/qt/asset_picture.h"
#include "platform/canvas.h"

namespace tessary {

inline QRect ToQRect(const LayoutRect& rect) { return QRect(rect.left, rect.top, rect.width, rect.height); }
inline QColor ToQColor(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

class QtPicture final : public CanvasPicture {
public:
    explicit QtPicture(QImage image) : image_(std::move(image)), size_{image_.width(), image_.height()} {}
    // A built-in picture of that size, read when it is first drawn.
    QtPicture(QString assetName, PixelSize size) : assetName_(std::move(assetName)), size_(size) {}
    // A built-in picture drawn from its stored bytes at every paint.
    explicit QtPicture(StoredPicture stored)
        : stored_(std::move(stored)), size_{stored_->Size().width(), stored_->Size().height()} {}
    PixelSize Size() const override { return size_; }
    // Draws the picture with its top-left corner at `at`, the part of it
    // within `within` (window coordinates) at least.
    void Draw(QPainter& painter, QPoint at, const QRect& within) const;

private:
    mutable QString assetName_;  // empty once read
    mutable QImage image_;
    std::optional<StoredPicture> stored_;
    PixelSize size_;
};

// The built-in pictures from the program's resources. Each is read once,
// when it is first drawn: most of the window's pictures show only on a
// press. The background, larger than all the others together, is drawn
// from its stored bytes at every paint instead of being kept decoded.
class QtMoverPictures final : public MoverPictures {
public:
    const CanvasPicture* Skin(std::string_view name) override;
    std::unique_ptr<CanvasPicture> ReadPreview(const std::string& path) override;

private:
    std::map<std::string, QtPicture, std::less<>> skins_;
};

// Draws with a painter on the window, in the window's font; `dirty` is the
// part of the window being painted.
class QtCanvas final : public MoverCanvas {
public:
    QtCanvas(QPainter& painter, const QFont& font, const QRect& dirty)
        : painter_(painter), font_(font), dirty_(dirty) {}
    void Fill(const LayoutRect& place, Rgb colour) override;
    void DrawPicture(const CanvasPicture& picture, const LayoutRect& place) override;
    void WriteText(const LayoutRect& place, std::string_view text, Rgb colour) override;
    void DrawBorder(const LayoutRect& place, Rgb colour, int width) override;

private:
    QPainter& painter_;
    const QFont& font_;
    QRect dirty_;
};

}  // namespace tessary
