// Turns the outline's tables into device coordinates.
#include "shape/shape_steps.h"

#include <stdexcept>
#include <string>

namespace tessary {

ShapeStep ComputeShapeStep(int row, const ShapeTransform& transform) {
    if (row < 1 || row > kPrimitiveCount) {
        throw std::out_of_range("no row " + std::to_string(row) + " in the outline");
    }
    const PrimitiveRow& primitive = PrimitiveTable()[static_cast<std::size_t>(row - 1)];
    ShapeStep step{row, primitive.kind, primitive.polygon, 0, 0, 0, 0, {}, primitive.mode};
    if (primitive.kind == PrimitiveKind::Polygon) {
        const VertexTable& vertices = PolygonVertices(primitive.polygon);
        step.points.resize(static_cast<std::size_t>(vertices.Count()));
        for (int i = 0; i < vertices.Count(); ++i) {
            RegionPoint& point = step.points[static_cast<std::size_t>(i)];
            point.x = transform.X(vertices.X(i));
            point.y = transform.Y(vertices.Y(i));
        }
    } else {
        step.left = transform.X(primitive.left);
        step.top = transform.Y(primitive.top);
        step.right = transform.X(primitive.right);
        step.bottom = transform.Y(primitive.bottom);
    }
    return step;
}

std::vector<ShapeStep> ComputeShapeSteps(TwipsPerPixel twips, float horizontalScale, float verticalScale,
                                         std::int16_t horizontalOffset, std::int16_t verticalOffset) {
    const ShapeTransform transform{twips, horizontalScale, verticalScale, horizontalOffset, verticalOffset};
    std::vector<ShapeStep> steps;
    steps.reserve(kPrimitiveCount);
    for (int row = 1; row <= kPrimitiveCount; ++row) {
        steps.push_back(ComputeShapeStep(row, transform));
    }
    return steps;
}

}  // namespace tessary
