#include "shape/shape_tables.h"

#include <algorithm>
#include <climits>
#include <stdexcept>

#include <gtest/gtest.h>

namespace tessary {
namespace {

TEST(ShapeTablesTest, VertexLookupOutsideTheTableGivesZero) {
    for (int polygon = 1; polygon <= kPolygonCount; ++polygon) {
        const VertexTable& table = PolygonVertices(polygon);
        for (int index : {-1, table.Count(), table.Count() + 1, 100, INT_MIN, INT_MAX}) {
            EXPECT_EQ(table.X(index), 0) << "polygon " << polygon << " index " << index;
            EXPECT_EQ(table.Y(index), 0) << "polygon " << polygon << " index " << index;
        }
        EXPECT_NE(table.X(table.Count() - 1), 0);  // the last real vertex is still read
    }
    EXPECT_THROW(PolygonVertices(0), std::out_of_range);
    EXPECT_THROW(PolygonVertices(kPolygonCount + 1), std::out_of_range);
}

TEST(ShapeTablesTest, EveryTableRepeatsVertexOneAsVertexZero) {
    for (int polygon = 1; polygon <= kPolygonCount; ++polygon) {
        const VertexTable& table = PolygonVertices(polygon);
        EXPECT_EQ(table.X(0), table.X(1)) << "polygon " << polygon;
        EXPECT_EQ(table.Y(0), table.Y(1)) << "polygon " << polygon;
    }
}

// The boxes in the primitive table were written down from the vertex tables;
// a slip in either shows up as a mismatch.
TEST(ShapeTablesTest, PolygonRowsBoxTheirVertices) {
    int nextPolygon = 1;
    for (const PrimitiveRow& row : PrimitiveTable()) {
        if (row.kind != PrimitiveKind::Polygon) {
            EXPECT_EQ(row.polygon, 0);
            continue;
        }
        ASSERT_EQ(row.polygon, nextPolygon++);
        const VertexTable& table = PolygonVertices(row.polygon);
        std::int16_t left = table.X(0), right = table.X(0), top = table.Y(0), bottom = table.Y(0);
        for (int i = 1; i < table.Count(); ++i) {
            left = std::min(left, table.X(i));
            right = std::max(right, table.X(i));
            top = std::min(top, table.Y(i));
            bottom = std::max(bottom, table.Y(i));
        }
        EXPECT_EQ(left, row.left) << "polygon " << row.polygon;
        EXPECT_EQ(top, row.top) << "polygon " << row.polygon;
        EXPECT_EQ(right, row.right) << "polygon " << row.polygon;
        EXPECT_EQ(bottom, row.bottom) << "polygon " << row.polygon;
    }
    EXPECT_EQ(nextPolygon, kPolygonCount + 1);
}

TEST(ShapeTablesTest, OneEllipseFirstThenRectanglesAndPolygonsByUnionAndDifference) {
    const auto& table = PrimitiveTable();
    EXPECT_EQ(table[0].kind, PrimitiveKind::Ellipse);
    EXPECT_EQ(table[0].mode, CombineMode::Copy);
    const auto rectangles = std::count_if(
        table.begin(), table.end(), [](const PrimitiveRow& r) { return r.kind == PrimitiveKind::Rectangle; });
    EXPECT_EQ(rectangles, 22);
    for (std::size_t i = 1; i < table.size(); ++i) {
        EXPECT_NE(table[i].kind, PrimitiveKind::Ellipse) << "row " << i + 1;
        EXPECT_TRUE(table[i].mode == CombineMode::Or || table[i].mode == CombineMode::Diff)
            << "row " << i + 1;
    }
}

}  // namespace
}  // namespace tessary
