// Replays the outline's primitives with the window system's region operations.
#include "shape/window_shape.h"

#include <vector>

namespace tessary {
namespace {

RegionHandle CreatePrimitive(RegionOps& ops, const ShapeStep& step, std::vector<RegionPoint>& pointBuffer) {
    switch (step.kind) {
    case PrimitiveKind::Ellipse: return ops.CreateEllipticRgn(step.left, step.top, step.right, step.bottom);
    case PrimitiveKind::Rectangle: return ops.CreateRectRgn(step.left, step.top, step.right, step.bottom);
    case PrimitiveKind::Polygon:
        pointBuffer.assign(step.points.begin(), step.points.end());
        return ops.CreatePolygonRgn(pointBuffer.data(), static_cast<int>(pointBuffer.size()),
                                    PolygonFill::Alternate);
    }
    return kNoRegion;
}

}  // namespace

RegionHandle BuildWindowShape(RegionOps& ops, TwipsPerPixel twips, RegionHandle& ShapeRegion) {
    // The outline at its own size, from the client area's top-left corner.
    return BuildShape(ops, ShapeTransform{twips, 1.0f, 1.0f, 0, 0}, ShapeRegion);
}

RegionHandle BuildShape(RegionOps& ops, const ShapeTransform& transform, RegionHandle& ShapeRegion) {
    ShapeRegion = ops.CreateRectRgn(0, 0, 0, 0);
    const RegionHandle scratch = ops.CreateRectRgn(0, 0, 0, 0);
    std::vector<RegionPoint> pointBuffer;
    RegionHandle primitive = kNoRegion;
    bool primitiveLive = false;
    try {
        for (int row = 1; row <= kPrimitiveCount; ++row) {
            const ShapeStep step = ComputeShapeStep(row, transform);
            primitive = CreatePrimitive(ops, step, pointBuffer);
            primitiveLive = true;
            if (row == 1) {
                ops.CombineRgn(ShapeRegion, primitive, primitive, CombineMode::Copy);
            } else {
                ops.CombineRgn(scratch, ShapeRegion, ShapeRegion, CombineMode::Copy);
                ops.CombineRgn(ShapeRegion, scratch, primitive, step.mode);
            }
            primitiveLive = false;
            ops.DeleteObject(primitive);
        }
    } catch (...) {
        if (primitiveLive) {
            ops.DeleteObject(primitive);
        }
        ops.DeleteObject(scratch);
        throw;
    }
    ops.DeleteObject(scratch);
    return ShapeRegion;
}

}  // namespace tessary
