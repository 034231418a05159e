// The outline's primitive and vertex tables.
#include "shape/shape_tables.h"

#include <stdexcept>
#include <string>

namespace tessary {
namespace {

constexpr CombineMode kCopy = CombineMode::Copy;
constexpr CombineMode kOr = CombineMode::Or;
constexpr CombineMode kDiff = CombineMode::Diff;
constexpr PrimitiveKind kEllipse = PrimitiveKind::Ellipse;
constexpr PrimitiveKind kRect = PrimitiveKind::Rectangle;
constexpr PrimitiveKind kPoly = PrimitiveKind::Polygon;

constexpr std::array<PrimitiveRow, kPrimitiveCount> kPrimitives{{
    {kEllipse, 32, 17, 600, 391, 0, kCopy},  // 1
    {kRect, 3, 40, 630, 371, 0, kOr},        // 2
    {kRect, 1, 110, 50, 305, 0, kDiff},      // 3
    {kRect, 581, 110, 631, 305, 0, kDiff},   // 4
    {kRect, 26, 107, 65, 325, 0, kOr},       // 5
    {kRect, 562, 99, 607, 340, 0, kOr},      // 6
    {kPoly, 3, 100, 33, 132, 1, kOr},        // 7
    {kPoly, 3, 282, 33, 316, 2, kOr},        // 8
    {kPoly, 599, 98, 629, 132, 3, kOr},      // 9
    {kPoly, 600, 282, 629, 312, 4, kOr},     // 10
    {kRect, 7, 106, 32, 313, 0, kOr},        // 11
    {kRect, 568, 108, 620, 353, 0, kOr},     // 12
    {kRect, 605, 103, 623, 330, 0, kOr},     // 13
    {kRect, 589, 87, 625, 327, 0, kOr},      // 14
    {kPoly, 0, 38, 20, 53, 5, kDiff},        // 15
    {kPoly, 1, 38, 23, 54, 6, kDiff},        // 16
    {kPoly, 1, 38, 14, 50, 7, kDiff},        // 17
    {kPoly, 615, 38, 627, 53, 8, kDiff},     // 18
    {kRect, 623, 36, 629, 44, 0, kDiff},     // 19
    {kRect, 625, 37, 627, 47, 0, kDiff},     // 20
    {kRect, 625, 40, 630, 46, 0, kDiff},     // 21
    {kPoly, 1, 38, 13, 51, 9, kDiff},        // 22
    {kRect, 0, 40, 29, 369, 0, kOr},         // 23
    {kRect, 0, 335, 16, 366, 0, kOr},        // 24
    {kRect, 0, 337, 8, 370, 0, kOr},         // 25
    {kRect, 0, 316, 22, 367, 0, kOr},        // 26
    {kRect, 0, 338, 13, 368, 0, kOr},        // 27
    {kRect, 0, 345, 19, 368, 0, kOr},        // 28
    {kRect, 593, 41, 629, 366, 0, kOr},      // 29
    {kRect, 605, 40, 624, 66, 0, kOr},       // 30
    {kRect, 604, 41, 629, 62, 0, kOr},       // 31
    {kRect, 607, 40, 628, 60, 0, kOr},       // 32
}};

constexpr std::int16_t kX1[] = {3, 3, 26, 33, 33, 14, 3};
constexpr std::int16_t kY1[] = {109, 109, 132, 129, 109, 100, 108};
constexpr std::int16_t kX2[] = {3, 3, 26, 33, 28, 11};
constexpr std::int16_t kY2[] = {305, 305, 282, 294, 316, 316};
constexpr std::int16_t kX3[] = {629, 629, 606, 601, 599, 617, 628};
constexpr std::int16_t kY3[] = {109, 109, 132, 122, 98, 101, 107};
constexpr std::int16_t kX4[] = {629, 629, 606, 601, 600, 609, 625, 628};
constexpr std::int16_t kY4[] = {305, 305, 282, 285, 306, 312, 307, 306};
constexpr std::int16_t kX5[] = {0, 0, 4, 10, 20, 1, 1};
constexpr std::int16_t kY5[] = {53, 53, 46, 41, 38, 38, 52};
constexpr std::int16_t kX6[] = {1, 1, 4, 9, 14, 23, 10, 1, 1};
constexpr std::int16_t kY6[] = {51, 51, 46, 42, 40, 38, 38, 45, 54};
constexpr std::int16_t kX7[] = {1, 1, 1, 4, 9, 14, 8, 5, 2};
constexpr std::int16_t kY7[] = {50, 50, 45, 42, 39, 38, 42, 45, 49};
constexpr std::int16_t kX8[] = {615, 615, 622, 626, 627, 627, 627, 616};
constexpr std::int16_t kY8[] = {38, 38, 41, 46, 52, 53, 38, 38};
constexpr std::int16_t kX9[] = {1, 1, 4, 10, 13, 3, 1, 1};
constexpr std::int16_t kY9[] = {50, 50, 44, 39, 38, 43, 46, 51};

template <std::size_t N>
constexpr VertexTable MakeTable(const std::int16_t (&xs)[N], const std::int16_t (&ys)[N]) {
    return VertexTable(xs, ys, static_cast<int>(N));
}

constexpr std::array<VertexTable, kPolygonCount> kPolygons{
    MakeTable(kX1, kY1), MakeTable(kX2, kY2), MakeTable(kX3, kY3), MakeTable(kX4, kY4), MakeTable(kX5, kY5),
    MakeTable(kX6, kY6), MakeTable(kX7, kY7), MakeTable(kX8, kY8), MakeTable(kX9, kY9),
};

}  // namespace

const std::array<PrimitiveRow, kPrimitiveCount>& PrimitiveTable() { return kPrimitives; }

const VertexTable& PolygonVertices(int polygon) {
    if (polygon < 1 || polygon > kPolygonCount) {
        throw std::out_of_range("no polygon " + std::to_string(polygon) + " in the outline");
    }
    return kPolygons[static_cast<std::size_t>(polygon - 1)];
}

}  // namespace tessary
