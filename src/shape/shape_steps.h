#pragma once
// The window outline as an ordered list of primitives in device pixels, the
// same list the builder replays with the region operations.

#include <cstdint>
#include <vector>

#include "platform/region_ops.h"
#include "shape/shape_tables.h"
#include "shape/shape_transform.h"

namespace tessary {

struct ShapeStep {
    int row;  // 1..32 in the primitive table
    PrimitiveKind kind;
    int polygon;  // 1..9 for a polygon, else 0
    // Rectangle and ellipse: the transformed box (right and bottom excluded).
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    // Polygon: the transformed vertices 0 .. n-1 (vertex 0 repeats vertex 1).
    std::vector<RegionPoint> points;
    CombineMode mode;
};

// One row (1..32) of the table, transformed. Coordinates are computed in the
// order left, top, right, bottom, or x then y of each vertex, and each is
// checked as it is made: a bad one throws RuntimeFailure (see TransformCoordinate).
ShapeStep ComputeShapeStep(int row, const ShapeTransform& transform);

// All 32 rows in build order.
std::vector<ShapeStep> ComputeShapeSteps(TwipsPerPixel twips, float horizontalScale, float verticalScale,
                                         std::int16_t horizontalOffset, std::int16_t verticalOffset);

}  // namespace tessary
