#pragma once
// The map window's pictures and drawing on Qt: pixmaps, and a painter on
// the window.

#include <QPainter>
#include <QPixmap>

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/canvas.h"

namespace tessary {

inline QRect ToQRect(const LayoutRect& rect) { return QRect(rect.left, rect.top, rect.width, rect.height); }
inline QColor ToQColor(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

class QtPicture final : public CanvasPicture {
public:
    explicit QtPicture(QPixmap pixmap) : pixmap_(std::move(pixmap)) {}
    PixelSize Size() const override { return {pixmap_.width(), pixmap_.height()}; }
    const QPixmap& Pixmap() const { return pixmap_; }

private:
    QPixmap pixmap_;
};

// The built-in pictures from the program's resources, each read once.
class QtMoverPictures final : public MoverPictures {
public:
    const CanvasPicture* Skin(std::string_view name) override;
    std::unique_ptr<CanvasPicture> ReadPreview(const std::string& path) override;

private:
    std::map<std::string, QtPicture, std::less<>> skins_;
};

// Draws with a painter on the window, in the window's font.
class QtCanvas final : public MoverCanvas {
public:
    QtCanvas(QPainter& painter, const QFont& font) : painter_(painter), font_(font) {}
    void Fill(const LayoutRect& place, Rgb colour) override;
    void DrawPicture(const CanvasPicture& picture, const LayoutRect& place) override;
    void WriteText(const LayoutRect& place, std::string_view text, Rgb colour) override;
    void DrawBorder(const LayoutRect& place, Rgb colour, int width) override;

private:
    QPainter& painter_;
    const QFont& font_;
};

}  // namespace tessary
