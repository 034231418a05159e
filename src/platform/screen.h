#pragma once

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

}  // namespace tessary
