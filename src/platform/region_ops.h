#pragma once
// The region operations the window-shape builder needs, under their
// window-system names, and the window that takes a region's shape.
// Implementations: a software region (the reference), and the Qt and GDI ones
// that cut the real windows.

#include <cstdint>

namespace tessary {

using RegionHandle = std::uint32_t;  // 0 is no region
inline constexpr RegionHandle kNoRegion = 0;

struct RegionPoint {
    std::int32_t x;
    std::int32_t y;
};

// Values as the window system numbers them.
enum class CombineMode : int { Or = 2, Diff = 4, Copy = 5 };
enum class PolygonFill : int { Alternate = 1, Winding = 2 };

class RegionOps {
public:
    virtual ~RegionOps() = default;
    virtual RegionHandle CreateRectRgn(std::int32_t left, std::int32_t top, std::int32_t right,
                                       std::int32_t bottom) = 0;
    virtual RegionHandle CreateEllipticRgn(std::int32_t left, std::int32_t top, std::int32_t right,
                                           std::int32_t bottom) = 0;
    virtual RegionHandle CreatePolygonRgn(const RegionPoint* points, int count, PolygonFill fill) = 0;
    // destination := source1 combined with source2 (Diff: source1 minus source2).
    virtual int CombineRgn(RegionHandle destination, RegionHandle source1, RegionHandle source2,
                           CombineMode mode) = 0;
    virtual bool DeleteObject(RegionHandle region) = 0;
};

class ShapedWindow {
public:
    virtual ~ShapedWindow() = default;
    // The window takes the shape of the region (built with the RegionOps this
    // window hands out); the region stays the caller's to release.
    virtual void SetWindowRgn(RegionHandle region, bool redraw) = 0;
    virtual RegionOps& Regions() = 0;
};

}  // namespace tessary
