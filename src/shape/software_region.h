#pragma once
// The reference region: a set of pixels held as bands of rows with sorted,
// disjoint spans, as window systems keep regions. It follows the window
// system's rules exactly for rectangles; ellipses and polygons are rasterised
// by sampling pixel centres (pixel (x, y) is inside when (x + 0.5, y + 0.5) is).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "platform/region_ops.h"
#include "shape/region_table.h"

namespace tessary {

struct PixelSpan {
    std::int32_t left;
    std::int32_t right;  // excluded
    bool operator==(const PixelSpan&) const = default;
};

struct PixelRect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;   // excluded
    std::int32_t bottom;  // excluded
    bool operator==(const PixelRect&) const = default;
};

class SoftwareRegion {
public:
    // Ellipses and polygons taller than this many rows are refused, as a window
    // system refuses regions beyond its coordinate space.
    static constexpr std::int64_t kMaxRasterRows = std::int64_t{1} << 18;

    SoftwareRegion() = default;  // empty

    // Pixels with left <= x < right and top <= y < bottom; empty when right <= left or bottom <= top.
    static SoftwareRegion Rectangle(std::int32_t left, std::int32_t top, std::int32_t right,
                                    std::int32_t bottom);
    // The ellipse inscribed in the box, symmetric about both of its axes. The
    // test is exact for boxes up to 8192 pixels a side. Refused when too tall.
    static std::optional<SoftwareRegion> Ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                                                 std::int32_t bottom);
    // The polygon closed from the last point back to the first, filled by the
    // even-odd (Alternate) or non-zero (Winding) rule. Refused for fewer than two
    // points or when too tall.
    static std::optional<SoftwareRegion> Polygon(const RegionPoint* points, int count, PolygonFill fill);

    SoftwareRegion United(const SoftwareRegion& other) const;
    SoftwareRegion Subtracted(const SoftwareRegion& other) const;

    bool Empty() const { return bands_.empty(); }
    bool IsRectangle() const { return bands_.size() == 1 && bands_.front().count == 1; }
    bool Contains(std::int32_t x, std::int32_t y) const;
    // The smallest rectangle around every pixel; all zero when empty.
    PixelRect BoundingBox() const;
    // The spans of row y, left to right.
    std::vector<PixelSpan> RowSpans(std::int32_t y) const;
    // The region as rectangles sorted by top, then left: rectangles of one band
    // share top and bottom, never touch side by side, and never overlap.
    std::vector<PixelRect> Rectangles() const;
    // Pixels in the region.
    std::int64_t Area() const;

    // Regions with the same pixels compare equal: the form is kept canonical.
    bool operator==(const SoftwareRegion&) const = default;

private:
    friend class SoftwareRegionBuilder;

    struct Band {
        std::int32_t top;
        std::int32_t bottom;  // excluded
        std::uint32_t first;  // index of the first span in spans_
        std::uint32_t count;
        bool operator==(const Band&) const = default;
    };

    std::span<const PixelSpan> SpansOf(const Band& band) const;
    const Band* BandAt(std::int32_t y) const;
    static SoftwareRegion Combine(const SoftwareRegion& a, const SoftwareRegion& b, bool subtract);

    std::vector<Band> bands_;
    std::vector<PixelSpan> spans_;
};

// Makes a region from rows or bands given top to bottom; keeps the form canonical.
class SoftwareRegionBuilder {
public:
    // Bands must not overlap earlier ones; spans sorted, disjoint, not touching.
    void AddBand(std::int32_t top, std::int32_t bottom, std::span<const PixelSpan> spans);
    SoftwareRegion Finish() { return std::move(region_); }

private:
    SoftwareRegion region_;
};

int RegionComplexity(const SoftwareRegion& region);

// Region operations on software regions, kept by handle. A failed creation
// returns kNoRegion; an operation on an unknown handle returns an error value.
class SoftwareRegionOps final : public RegionOps {
public:
    RegionHandle CreateRectRgn(std::int32_t left, std::int32_t top, std::int32_t right,
                               std::int32_t bottom) override;
    RegionHandle CreateEllipticRgn(std::int32_t left, std::int32_t top, std::int32_t right,
                                   std::int32_t bottom) override;
    RegionHandle CreatePolygonRgn(const RegionPoint* points, int count, PolygonFill fill) override;
    int CombineRgn(RegionHandle destination, RegionHandle source1, RegionHandle source2,
                   CombineMode mode) override;
    bool DeleteObject(RegionHandle region) override;

    // The region behind a live handle; throws std::out_of_range for any other.
    const SoftwareRegion& Region(RegionHandle region) const;
    bool IsLive(RegionHandle region) const { return regions_.IsLive(region); }
    std::size_t LiveRegionCount() const { return regions_.Size(); }

private:
    RegionHandle Keep(std::optional<SoftwareRegion> region);

    RegionTable<SoftwareRegion> regions_;
};

}  // namespace tessary
