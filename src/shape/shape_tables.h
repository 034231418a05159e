#pragma once
// The window outline as data: the 32 primitives in the order they are folded
// into the shape, and the vertex tables of the nine polygons. Coordinates are
// outline units (one pixel at 15 twips per pixel).

#include <array>
#include <cstdint>

#include "platform/region_ops.h"

namespace tessary {

enum class PrimitiveKind { Ellipse, Rectangle, Polygon };

struct PrimitiveRow {
    PrimitiveKind kind;
    // Rectangle and ellipse: the box, right and bottom excluded. Polygon: the
    // box around its vertices, for orientation only; the vertex table rules.
    std::int16_t left;
    std::int16_t top;
    std::int16_t right;
    std::int16_t bottom;
    int polygon;  // 1..9 for a polygon, else 0
    CombineMode mode;
};

inline constexpr int kPrimitiveCount = 32;
inline constexpr int kPolygonCount = 9;

// Rows 1..32 are elements 0..31.
const std::array<PrimitiveRow, kPrimitiveCount>& PrimitiveTable();

// The x and y tables of one polygon. Vertex 0 repeats vertex 1, and Count()
// counts both copies.
class VertexTable {
public:
    constexpr VertexTable(const std::int16_t* xs, const std::int16_t* ys, int count)
        : xs_(xs), ys_(ys), count_(count) {}

    constexpr int Count() const { return count_; }
    // Vertex coordinates; any index outside 0 .. Count()-1 gives 0.
    constexpr std::int16_t X(int index) const { return InRange(index) ? xs_[index] : 0; }
    constexpr std::int16_t Y(int index) const { return InRange(index) ? ys_[index] : 0; }

private:
    constexpr bool InRange(int index) const { return index >= 0 && index < count_; }

    const std::int16_t* xs_;
    const std::int16_t* ys_;
    int count_;
};

// polygon is 1..9; anything else throws std::out_of_range.
const VertexTable& PolygonVertices(int polygon);

}  // namespace tessary
