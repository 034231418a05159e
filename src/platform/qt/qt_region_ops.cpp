// Region operations on QRegion.
#include "platform/qt/qt_region_ops.h"

#include <optional>
#include <vector>

#include <QRect>

namespace tessary {
namespace {

// Built from corners, so widths up to the whole 32-bit range do not overflow.
QRect ToQRect(const PixelRect& rect) {
    return QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
}

int Complexity(const QRegion& region) {
    if (region.isEmpty()) {
        return kNullRegion;
    }
    return region.rectCount() == 1 ? kSimpleRegion : kComplexRegion;
}

}  // namespace

QRegion ToQRegion(const SoftwareRegion& region) {
    const std::vector<PixelRect> rects = region.Rectangles();
    std::vector<QRect> qtRects;
    qtRects.reserve(rects.size());
    for (const PixelRect& rect : rects) {
        qtRects.push_back(ToQRect(rect));
    }
    QRegion result;
    // Banded and sorted by top, then left, as setRects wants them.
    result.setRects(qtRects.data(), static_cast<int>(qtRects.size()));
    return result;
}

RegionHandle QtRegionOps::Keep(const QRegion& region) {
    const RegionHandle handle = next_++;
    regions_.emplace(handle, region);
    return handle;
}

RegionHandle QtRegionOps::CreateRectRgn(std::int32_t left, std::int32_t top, std::int32_t right,
                                        std::int32_t bottom) {
    if (right <= left || bottom <= top) {
        return Keep(QRegion());
    }
    return Keep(QRegion(ToQRect({left, top, right, bottom})));
}

RegionHandle QtRegionOps::CreateEllipticRgn(std::int32_t left, std::int32_t top, std::int32_t right,
                                            std::int32_t bottom) {
    const std::optional<SoftwareRegion> ellipse = SoftwareRegion::Ellipse(left, top, right, bottom);
    return ellipse ? Keep(tessary::ToQRegion(*ellipse)) : kNoRegion;
}

RegionHandle QtRegionOps::CreatePolygonRgn(const RegionPoint* points, int count, PolygonFill fill) {
    const std::optional<SoftwareRegion> polygon = SoftwareRegion::Polygon(points, count, fill);
    return polygon ? Keep(tessary::ToQRegion(*polygon)) : kNoRegion;
}

int QtRegionOps::CombineRgn(RegionHandle destination, RegionHandle source1, RegionHandle source2,
                            CombineMode mode) {
    const auto target = regions_.find(destination);
    const auto first = regions_.find(source1);
    const auto second = regions_.find(source2);
    if (target == regions_.end() || first == regions_.end()) {
        return kRegionError;
    }
    if (mode == CombineMode::Copy) {
        target->second = first->second;
        return Complexity(target->second);
    }
    if (second == regions_.end()) {
        return kRegionError;
    }
    switch (mode) {
    case CombineMode::Or:
        target->second = first->second.united(second->second);
        break;
    case CombineMode::Diff:
        target->second = first->second.subtracted(second->second);
        break;
    default:
        return kRegionError;
    }
    return Complexity(target->second);
}

bool QtRegionOps::DeleteObject(RegionHandle region) { return regions_.erase(region) != 0; }

QRegion QtRegionOps::ToQRegion(RegionHandle region) const {
    const auto found = regions_.find(region);
    return found == regions_.end() ? QRegion() : found->second;
}

}  // namespace tessary
