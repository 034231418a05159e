#pragma once
// Outline units to device pixels: d * scale * 15 / twips-per-pixel + offset,
// rounded to the nearest integer with halves to the even neighbour.

#include <cstdint>

namespace tessary {

struct TwipsPerPixel {
    double x;
    double y;
};

// One axis of the transform. Throws RuntimeFailure: kInvalidProcedureCall for a
// scale or twips value that is not a finite number, kDivisionByZero for 0 twips
// per pixel, kOverflow when the value is not finite or does not fit 32 bits.
std::int32_t TransformCoordinate(std::int16_t units, float scale, double twipsPerPixel, std::int16_t offset);

// Rounds to the nearest integer, halves to the even neighbour, whatever the
// floating-point rounding mode. value must be finite.
double RoundHalfEven(double value);

struct ShapeTransform {
    TwipsPerPixel twips;
    float horizontalScale;
    float verticalScale;
    std::int16_t horizontalOffset;
    std::int16_t verticalOffset;

    std::int32_t X(std::int16_t units) const {
        return TransformCoordinate(units, horizontalScale, twips.x, horizontalOffset);
    }
    std::int32_t Y(std::int16_t units) const {
        return TransformCoordinate(units, verticalScale, twips.y, verticalOffset);
    }
};

}  // namespace tessary
