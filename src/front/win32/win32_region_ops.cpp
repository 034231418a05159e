#include "front/win32/win32_region_ops.h"

#include <vector>

namespace tessary {

RegionHandle Win32RegionOps::Keep(HRGN region) {
    if (region == nullptr) return kNoRegion;
    return regions_.Keep(GdiObject<HRGN>(region));
}

HRGN Win32RegionOps::Get(RegionHandle region) const {
    const GdiObject<HRGN>* kept = regions_.Find(region);
    return kept == nullptr ? nullptr : kept->get();
}

GdiObject<HRGN> Win32RegionOps::Copy(RegionHandle region) const {
    const HRGN source = Get(region);
    if (source == nullptr) return nullptr;
    GdiObject<HRGN> copy(::CreateRectRgn(0, 0, 0, 0));
    if (copy) ::CombineRgn(copy.get(), source, nullptr, RGN_COPY);
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

bool Win32RegionOps::DeleteObject(RegionHandle region) { return regions_.Erase(region); }

}  // namespace tessary
