#pragma once

#include <cmath>

namespace tessary {

// Screen metrics in twips (1/1440 inch).
class Screen {
public:
    virtual ~Screen() = default;
    virtual double WidthTwips() const = 0;
    virtual double HeightTwips() const = 0;
    virtual double TwipsPerPixelX() const = 0;
    virtual double TwipsPerPixelY() const = 0;
};

struct ScreenPixel {
    int x;
    int y;
};

// The pixel nearest to a point given in twips, where windows are placed.
inline ScreenPixel PixelAtTwips(const Screen& screen, double topTwips, double leftTwips) {
    return {static_cast<int>(std::lround(leftTwips / screen.TwipsPerPixelX())),
            static_cast<int>(std::lround(topTwips / screen.TwipsPerPixelY()))};
}

}  // namespace tessary
