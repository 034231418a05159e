#include "platform/win32/win32_region_ops.h"

#include <vector>

namespace tessary {

Win32RegionOps::~Win32RegionOps() {
    for (const auto& [handle, region] : regions_) ::DeleteObject(region);
}

RegionHandle Win32RegionOps::Keep(HRGN region) {
    if (region == nullptr) return kNoRegion;
    const RegionHandle handle = next_++;
    regions_.emplace(handle, region);
    return handle;
}

HRGN Win32RegionOps::Get(RegionHandle region) const {
    const auto it = regions_.find(region);
    return it == regions_.end() ? nullptr : it->second;
}

HRGN Win32RegionOps::Copy(RegionHandle region) const {
    const HRGN source = Get(region);
    if (source == nullptr) return nullptr;
    const HRGN copy = ::CreateRectRgn(0, 0, 0, 0);
    if (copy != nullptr) ::CombineRgn(copy, source, nullptr, RGN_COPY);
    return copy;
}

RegionHandle Win32RegionOps::CreateRectRgn(std::int32_t left, std::int32_t top, std::int32_t right,
                                           std::int32_t bottom) {
    return Keep(::CreateRectRgn(left, top, right, bottom));
}

RegionHandle Win32RegionOps::CreateEllipticRgn(std::int32_t left, std::int32_t top, std::int32_t right,
                                               std::int32_t bottom) {
    return Keep(::CreateEllipticRgn(left, top, right, bottom));
}

RegionHandle Win32RegionOps::CreatePolygonRgn(const RegionPoint* points, int count, PolygonFill fill) {
    if (points == nullptr || count < 0) return kNoRegion;
    std::vector<POINT> gdiPoints(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) gdiPoints[static_cast<std::size_t>(i)] = POINT{points[i].x, points[i].y};
    return Keep(
        ::CreatePolygonRgn(gdiPoints.data(), count, fill == PolygonFill::Winding ? WINDING : ALTERNATE));
}

int Win32RegionOps::CombineRgn(RegionHandle destination, RegionHandle source1, RegionHandle source2,
                               CombineMode mode) {
    const HRGN target = Get(destination);
    if (target == nullptr) return ERROR;
    return ::CombineRgn(target, Get(source1), Get(source2), static_cast<int>(mode));
}

bool Win32RegionOps::DeleteObject(RegionHandle region) {
    const auto it = regions_.find(region);
    if (it == regions_.end()) return false;
    const bool deleted = ::DeleteObject(it->second) != 0;
    regions_.erase(it);
    return deleted;
}

}  // namespace tessary
