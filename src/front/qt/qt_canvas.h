#pragma once
// The map window's pictures and drawing on Qt: images, and a painter on
// the window.

#include <QImage>
#include <QPainter>
#include <QRegion>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
    // Draws the parts of the picture inside `parts` (window coordinates),
    // its top-left corner at `at`.
    void Draw(QPainter& painter, QPoint at, const QRegion& parts) const;
    // Whether the picture draws every pixel of its size, reading it first
    // when it has not been read yet; false for one that cannot be read.
    bool DrawsWhole() const;

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
// part of the window being painted. The steps are gathered first and drawn
// by Finish(): a picture or fill is drawn only where no later picture or
// fill paints over it, so hidden parts of pictures are never turned into
// pixels.
class QtCanvas final : public MoverCanvas {
public:
    QtCanvas(QPainter& painter, const QFont& font, const QRegion& dirty)
        : painter_(painter), font_(font), dirty_(dirty) {}
    void Fill(const LayoutRect& place, Rgb colour) override;
    void DrawPicture(const CanvasPicture& picture, const LayoutRect& place) override;
    void WriteText(const LayoutRect& place, std::string_view text, Rgb colour) override;
    void DrawBorder(const LayoutRect& place, Rgb colour, int width) override;
    // Draws the gathered steps in their order.
    void Finish();

private:
    enum class Kind { Fill, Picture, Text, Border };
    struct Step {
        Kind kind;
        QRect place;
        Rgb colour{};
        const QtPicture* picture = nullptr;
        std::string text{};
        int width = 0;
    };

    QPainter& painter_;
    const QFont& font_;
    QRegion dirty_;
    std::vector<Step> steps_;
};
}  // namespace tessary
