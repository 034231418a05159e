#pragma once
// Colours, sizes and rectangles of the program's windows, in twips or pixels.

#include <cstdint>

namespace tessary {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A rectangle in twips, measured from the client area's top-left corner.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

struct PixelSize {
    int width;
    int height;
    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

// A rectangle in pixels; right and bottom are excluded.
struct LayoutRect {
    int left;
    int top;
    int width;
    int height;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    bool Contains(int x, int y) const { return x >= left && x < Right() && y >= top && y < Bottom(); }
    friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

// The display's twips per pixel (15 at 96 dots per inch).
struct LayoutScale {
    double x = 15.0;
    double y = 15.0;
};

// Where a window (its rectangle as wanted) goes on an area: moved as little
// as keeps it inside. A window wider or taller than the area cannot be kept
// inside: placed, it starts at the area's left or top edge, so that its
// top-left part stays on the area; moved (dragged, or its area changed), it
// keeps covering the area, so that every part of it can be dragged into view.
enum class Oversized { StartsAtEdge, CoversArea };

inline LayoutRect KeepOnArea(LayoutRect window, const LayoutRect& area, Oversized oversized) {
    auto keep = [oversized](int at, int size, int areaAt, int areaSize) {
        const int end = areaAt + areaSize;
        if (size <= areaSize) return at < areaAt ? areaAt : (at + size > end ? end - size : at);
        if (oversized == Oversized::StartsAtEdge) return areaAt;
        return at > areaAt ? areaAt : (at + size < end ? end - size : at);
    };
    window.left = keep(window.left, window.width, area.left, area.width);
    window.top = keep(window.top, window.height, area.top, area.height);
    return window;
}

}  // namespace tessary
