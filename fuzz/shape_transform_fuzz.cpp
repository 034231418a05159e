// The shape transform with any scales, offsets and twips per pixel: every
// coordinate either comes out or is refused with a RuntimeFailure.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/failure.h"
#include "shape/shape_steps.h"
#include "shape/shape_transform.h"

namespace {

template <typename T>
T Take(const std::uint8_t*& data, std::size_t& size) {
    T value{};
    const std::size_t n = size < sizeof(T) ? size : sizeof(T);
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto units = Take<std::int16_t>(data, size);
    const auto horizontalScale = Take<float>(data, size);
    const auto verticalScale = Take<float>(data, size);
    const auto twipsX = Take<double>(data, size);
    const auto twipsY = Take<double>(data, size);
    const auto horizontalOffset = Take<std::int16_t>(data, size);
    const auto verticalOffset = Take<std::int16_t>(data, size);
    try {
        tessary::TransformCoordinate(units, horizontalScale, twipsX, horizontalOffset);
    } catch (const tessary::RuntimeFailure&) {}
    try {
        tessary::ComputeShapeSteps({twipsX, twipsY}, horizontalScale, verticalScale, horizontalOffset,
                                   verticalOffset);
    } catch (const tessary::RuntimeFailure&) {}
    return 0;
}
