// The coordinate transform of the window outline.
#include "shape/shape_transform.h"

#include <cmath>
#include <limits>

#include "platform/failure.h"

namespace tessary {

double RoundHalfEven(double value) {
    const double below = std::floor(value);
    // Exact except just above -0.5, where any rounding of it still leads to 0.
    const double fraction = value - below;
    if (fraction < 0.5) {
        return below;
    }
    if (fraction > 0.5) {
        return below + 1.0;
    }
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

std::int32_t TransformCoordinate(std::int16_t units, float scale, double twipsPerPixel, std::int16_t offset) {
    if (!std::isfinite(scale) || !std::isfinite(twipsPerPixel)) {
        throw RuntimeFailure(kInvalidProcedureCall, "Invalid procedure call or argument");
    }
    if (twipsPerPixel == 0.0) {
        throw RuntimeFailure(kDivisionByZero, "Division by zero");
    }
    // Multiply left to right, then divide, then add the offset: the rounding depends on it.
    const double scaled = static_cast<double>(units) * static_cast<double>(scale) * 15.0;
    const double value = scaled / twipsPerPixel + static_cast<double>(offset);
    if (!std::isfinite(value)) {
        throw RuntimeFailure(kOverflow, "Overflow");
    }
    const double rounded = RoundHalfEven(value);
    constexpr double kLowest = static_cast<double>(std::numeric_limits<std::int32_t>::min());
    constexpr double kHighest = static_cast<double>(std::numeric_limits<std::int32_t>::max());
    if (rounded < kLowest || rounded > kHighest) {
        throw RuntimeFailure(kOverflow, "Overflow");
    }
    return static_cast<std::int32_t>(rounded);
}

}  // namespace tessary
