// Region operations on software regions kept by handle.
#include "shape/software_region.h"

#include <stdexcept>
#include <string>

namespace tessary {

RegionHandle SoftwareRegionOps::Keep(std::optional<SoftwareRegion> region) {
    if (!region) {
        return kNoRegion;
    }
    return regions_.Keep(std::move(*region));
}

RegionHandle SoftwareRegionOps::CreateRectRgn(std::int32_t left, std::int32_t top, std::int32_t right,
                                              std::int32_t bottom) {
    return Keep(SoftwareRegion::Rectangle(left, top, right, bottom));
}

RegionHandle SoftwareRegionOps::CreateEllipticRgn(std::int32_t left, std::int32_t top, std::int32_t right,
                                                  std::int32_t bottom) {
    return Keep(SoftwareRegion::Ellipse(left, top, right, bottom));
}

RegionHandle SoftwareRegionOps::CreatePolygonRgn(const RegionPoint* points, int count, PolygonFill fill) {
    return Keep(SoftwareRegion::Polygon(points, count, fill));
}

int SoftwareRegionOps::CombineRgn(RegionHandle destination, RegionHandle source1, RegionHandle source2,
                                  CombineMode mode) {
    return regions_.Combine(
        destination, source1, source2, mode,
        [](const SoftwareRegion& a, const SoftwareRegion& b) { return a.United(b); },
        [](const SoftwareRegion& a, const SoftwareRegion& b) { return a.Subtracted(b); }, RegionComplexity);
}

bool SoftwareRegionOps::DeleteObject(RegionHandle region) { return regions_.Erase(region); }

const SoftwareRegion& SoftwareRegionOps::Region(RegionHandle region) const {
    const SoftwareRegion* found = regions_.Find(region);
    if (found == nullptr) {
        throw std::out_of_range("no live region " + std::to_string(region));
    }
    return *found;
}

}  // namespace tessary
