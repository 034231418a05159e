// Region operations on software regions kept by handle.
#include "shape/software_region.h"

#include <stdexcept>
#include <string>

namespace tessary {

RegionHandle SoftwareRegionOps::Keep(std::optional<SoftwareRegion> region) {
    if (!region) {
        return kNoRegion;
    }
    const RegionHandle handle = next_++;
    regions_.emplace(handle, std::move(*region));
    return handle;
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
    const auto target = regions_.find(destination);
    const auto first = regions_.find(source1);
    const auto second = regions_.find(source2);
    if (target == regions_.end() || first == regions_.end()) {
        return kRegionError;
    }
    if (mode == CombineMode::Copy) {
        target->second = first->second;
        return RegionComplexity(target->second);
    }
    if (second == regions_.end()) {
        return kRegionError;
    }
    switch (mode) {
    case CombineMode::Or:
        target->second = first->second.United(second->second);
        break;
    case CombineMode::Diff:
        target->second = first->second.Subtracted(second->second);
        break;
    default:
        return kRegionError;
    }
    return RegionComplexity(target->second);
}

bool SoftwareRegionOps::DeleteObject(RegionHandle region) { return regions_.erase(region) != 0; }

const SoftwareRegion& SoftwareRegionOps::Region(RegionHandle region) const {
    const auto found = regions_.find(region);
    if (found == regions_.end()) {
        throw std::out_of_range("no live region " + std::to_string(region));
    }
    return found->second;
}

}  // namespace tessary
