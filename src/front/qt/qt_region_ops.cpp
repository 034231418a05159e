// Region operations on QRegion.
#include "front/qt/qt_region_ops.h"

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

RegionHandle QtRegionOps::CreateRectRgn(std::int32_t left, std::int32_t top, std::int32_t right,
                                        std::int32_t bottom) {
    if (right <= left || bottom <= top) {
        return regions_.Keep(QRegion());
    }
    return regions_.Keep(QRegion(ToQRect({left, top, right, bottom})));
}

RegionHandle QtRegionOps::CreateEllipticRgn(std::int32_t left, std::int32_t top, std::int32_t right,
                                            std::int32_t bottom) {
    const std::optional<SoftwareRegion> ellipse = SoftwareRegion::Ellipse(left, top, right, bottom);
    return ellipse ? regions_.Keep(tessary::ToQRegion(*ellipse)) : kNoRegion;
}

RegionHandle QtRegionOps::CreatePolygonRgn(const RegionPoint* points, int count, PolygonFill fill) {
    const std::optional<SoftwareRegion> polygon = SoftwareRegion::Polygon(points, count, fill);
    return polygon ? regions_.Keep(tessary::ToQRegion(*polygon)) : kNoRegion;
}

int QtRegionOps::CombineRgn(RegionHandle destination, RegionHandle source1, RegionHandle source2,
                            CombineMode mode) {
    return regions_.Combine(
        destination, source1, source2, mode, [](const QRegion& a, const QRegion& b) { return a.united(b); },
        [](const QRegion& a, const QRegion& b) { return a.subtracted(b); }, Complexity);
}

bool QtRegionOps::DeleteObject(RegionHandle region) { return regions_.Erase(region); }

QRegion QtRegionOps::ToQRegion(RegionHandle region) const {
    const QRegion* found = regions_.Find(region);
    return found == nullptr ? QRegion() : *found;
}

}  // namespace tessary
