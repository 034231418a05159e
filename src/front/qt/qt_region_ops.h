#pragma once
// Region operations on QRegion, the regions that cut a Qt window to shape.
// Ellipses and polygons are rasterised by the software region and handed over
// as rectangles, so a shape built here has exactly the software region's pixels
// (QRegion's own ellipse is not symmetric).

#include <QRegion>

#include "platform/region_ops.h"
#include "shape/region_table.h"
#include "shape/software_region.h"

namespace tessary {

// The same pixels as a QRegion.
QRegion ToQRegion(const SoftwareRegion& region);

class QtRegionOps final : public RegionOps {
public:
    RegionHandle CreateRectRgn(std::int32_t left, std::int32_t top, std::int32_t right,
                               std::int32_t bottom) override;
    RegionHandle CreateEllipticRgn(std::int32_t left, std::int32_t top, std::int32_t right,
                                   std::int32_t bottom) override;
    RegionHandle CreatePolygonRgn(const RegionPoint* points, int count, PolygonFill fill) override;
    int CombineRgn(RegionHandle destination, RegionHandle source1, RegionHandle source2,
                   CombineMode mode) override;
    bool DeleteObject(RegionHandle region) override;

    // The region behind a live handle; an empty region for any other.
    QRegion ToQRegion(RegionHandle region) const;
    bool IsLive(RegionHandle region) const { return regions_.IsLive(region); }
    std::size_t LiveRegionCount() const { return regions_.Size(); }

private:
    RegionTable<QRegion> regions_;
};

}  // namespace tessary
