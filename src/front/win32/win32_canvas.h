#pragma once
// The map window's pictures and drawing on Windows: device-independent
// bitmaps, drawn on a device context.

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "forms/bmp_picture.h"
#include "platform/canvas.h"

namespace tessary {

class DibPicture;
class Screen;

inline COLORREF ToColorRef(const Rgb& rgb) { return RGB(rgb.red, rgb.green, rgb.blue); }

// How many screen pixels each pixel of a picture takes, across and down. The
// pictures are made for 96 dots per inch; on a screen of more, Windows lays
// the window out larger (its controls are placed in twips), and the pictures
// grow with it.
struct PictureZoom {
    double x = 1;
    double y = 1;
};
PictureZoom ZoomForScreen(const Screen& screen);

// A built-in picture or a map's preview picture, as large as the zoom makes it.
class Win32Picture final : public CanvasPicture {
public:
    Win32Picture(const DibPicture& skin, PictureZoom zoom) : skin_(&skin), zoom_(zoom) {}
    Win32Picture(Picture preview, PictureZoom zoom) : preview_(std::move(preview)), zoom_(zoom) {}
    // The size on the screen.
    PixelSize Size() const override;
    // The whole picture at that size, with its top-left pixel at (x, y).
    void Draw(HDC dc, int x, int y) const;

private:
    const DibPicture* skin_ = nullptr;
    std::optional<Picture> preview_;
    PictureZoom zoom_;
};

// The pictures built into the program, and previews read from the maps.
class Win32MoverPictures final : public MoverPictures {
public:
    explicit Win32MoverPictures(PictureZoom zoom = {}) : zoom_(zoom) {}
    const CanvasPicture* Skin(std::string_view name) override;
    std::unique_ptr<CanvasPicture> ReadPreview(const std::string& path) override;

private:
    PictureZoom zoom_;
    std::map<std::string, Win32Picture, std::less<>> skins_;
};

// Draws on a device context, text in the default GUI font.
class Win32Canvas final : public MoverCanvas {
public:
    explicit Win32Canvas(HDC dc) : dc_(dc) {}
    void Fill(const LayoutRect& place, Rgb colour) override;
    void DrawPicture(const CanvasPicture& picture, const LayoutRect& place) override;
    void WriteText(const LayoutRect& place, std::string_view text, Rgb colour) override;
    void DrawBorder(const LayoutRect& place, Rgb colour, int width) override;

private:
    HDC dc_;
};

}  // namespace tessary
