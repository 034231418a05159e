// The outline the builder produces, looked at pixel by pixel on the software region.
#include "shape/window_shape.h"

#include <algorithm>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "platform/failure.h"
#include "shape/software_region.h"

namespace tessary {
namespace {

constexpr TwipsPerPixel kStandard{15.0, 15.0};

SoftwareRegion Build(TwipsPerPixel twips, float scaleX, float scaleY, std::int16_t offsetX,
                     std::int16_t offsetY) {
    SoftwareRegionOps ops;
    RegionHandle shape = kNoRegion;
    const RegionHandle result =
        BuildShape(ops, ShapeTransform{twips, scaleX, scaleY, offsetX, offsetY}, shape);
    EXPECT_EQ(result, shape);
    EXPECT_EQ(ops.LiveRegionCount(), 1u) << "only the shape may stay allocated";
    return ops.Region(shape);
}

class WindowOutlineTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { outline_ = new SoftwareRegion(Build(kStandard, 1.0f, 1.0f, 0, 0)); }
    static void TearDownTestSuite() { delete outline_; }
    static const SoftwareRegion& Outline() { return *outline_; }

    // The last pixel of a row that is one span.
    static std::int32_t RowEnd(std::int32_t y) {
        const std::vector<PixelSpan> spans = Outline().RowSpans(y);
        EXPECT_EQ(spans.size(), 1u) << "row " << y;
        return spans.empty() ? -1 : spans.back().right - 1;
    }

private:
    static SoftwareRegion* outline_;
};

SoftwareRegion* WindowOutlineTest::outline_ = nullptr;

TEST_F(WindowOutlineTest, BoundingBoxIsPanelAndEllipseTogether) {
    EXPECT_EQ(Outline().BoundingBox(), (PixelRect{0, 17, 630, 391}));
}

TEST_F(WindowOutlineTest, EdgePixels) {
    const SoftwareRegion& shape = Outline();
    EXPECT_FALSE(shape.Contains(629, 200));
    EXPECT_TRUE(shape.Contains(628, 200));
    EXPECT_TRUE(shape.Contains(629, 100));
    EXPECT_FALSE(shape.Contains(628, 40));
    EXPECT_TRUE(shape.Contains(627, 40));
    EXPECT_FALSE(shape.Contains(629, 45));
    EXPECT_TRUE(shape.Contains(629, 46));
    EXPECT_FALSE(shape.Contains(2, 370));
    EXPECT_TRUE(shape.Contains(3, 370));
    EXPECT_TRUE(shape.Contains(0, 40));
    EXPECT_TRUE(shape.Contains(10, 45));
    EXPECT_TRUE(shape.Contains(40, 200));
    EXPECT_FALSE(shape.Contains(0, 39));
}

TEST_F(WindowOutlineTest, RightEdgeStepsInAndOut) {
    EXPECT_EQ(RowEnd(40), 627);
    for (int y = 41; y <= 45; ++y) {
        EXPECT_EQ(RowEnd(y), 628) << "row " << y;
    }
    for (int y = 46; y <= 109; ++y) {
        EXPECT_EQ(RowEnd(y), 629) << "row " << y;
    }
    for (int y = 110; y <= 304; ++y) {
        EXPECT_EQ(RowEnd(y), 628) << "row " << y;
    }
    for (int y = 305; y <= 370; ++y) {
        EXPECT_EQ(RowEnd(y), 629) << "row " << y;
    }
}

TEST_F(WindowOutlineTest, LeftEdgeIsStraightWithAStepAtTheBottom) {
    for (int y = 40; y <= 369; ++y) {
        const std::vector<PixelSpan> spans = Outline().RowSpans(y);
        ASSERT_FALSE(spans.empty()) << "row " << y;
        EXPECT_EQ(spans.front().left, 0) << "row " << y;
    }
    EXPECT_EQ(Outline().RowSpans(370).front().left, 3);
}

TEST_F(WindowOutlineTest, EllipseDomesStandAboveAndBelowThePanel) {
    const SoftwareRegion& shape = Outline();
    EXPECT_TRUE(shape.RowSpans(16).empty());
    EXPECT_TRUE(shape.RowSpans(391).empty());
    // Top dome: rows 17 to 39, widening downwards, centred on the ellipse.
    std::int32_t previousWidth = 0;
    for (int y = 17; y <= 39; ++y) {
        const std::vector<PixelSpan> spans = shape.RowSpans(y);
        ASSERT_EQ(spans.size(), 1u) << "row " << y;
        EXPECT_EQ(spans[0].left + spans[0].right, 632) << "row " << y;
        EXPECT_GT(spans[0].right - spans[0].left, previousWidth) << "row " << y;
        previousWidth = spans[0].right - spans[0].left;
        // Where the bottom dome stands out, it mirrors the top one.
        if (407 - y >= 371) {
            EXPECT_EQ(spans, shape.RowSpans(407 - y)) << "row " << y;
        }
    }
    EXPECT_EQ(shape.RowSpans(39), (std::vector<PixelSpan>{{181, 451}}));
    // Bottom dome: rows 371 to 390.
    for (int y = 371; y <= 390; ++y) {
        EXPECT_EQ(shape.RowSpans(y).size(), 1u) << "row " << y;
        EXPECT_FALSE(shape.Contains(180, y)) << "row " << y;
    }
}

TEST(WindowShapeTest, OffsetsShiftTheWholeShape) {
    const SoftwareRegion base = Build(kStandard, 1.0f, 1.0f, 0, 0);
    const SoftwareRegion shifted = Build(kStandard, 1.0f, 1.0f, 5, -3);
    EXPECT_EQ(shifted.BoundingBox(), (PixelRect{5, 14, 635, 388}));
    for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 640; ++x) {
            ASSERT_EQ(shifted.Contains(x + 5, y - 3), base.Contains(x, y)) << x << "," << y;
        }
    }
}

TEST(WindowShapeTest, TwelveTwipsPerPixelEnlargesTheShape) {
    const SoftwareRegion large = Build({12.0, 12.0}, 1.0f, 1.0f, 0, 0);
    EXPECT_EQ(large.BoundingBox(), (PixelRect{0, 21, 788, 489}));
    const std::vector<ShapeStep> steps = ComputeShapeSteps({12.0, 12.0}, 1.0f, 1.0f, 0, 0);
    EXPECT_EQ(steps[1].right, 788);           // 630 -> 787.5
    EXPECT_EQ(steps[0].top, 21);              // 17 -> 21.25
    EXPECT_EQ(steps[0].bottom, 489);          // 391 -> 488.75
    EXPECT_EQ(steps[16].points.back().x, 2);  // polygon 7: 2 -> 2.5
    EXPECT_EQ(steps[1].left, 4);              // 3 -> 3.75
}

TEST(WindowShapeTest, HorizontalScaleOfTenMillionOverflows) {
    SoftwareRegionOps ops;
    RegionHandle shape = ops.CreateRectRgn(1, 1, 2, 2);  // a shape from an earlier build
    const RegionHandle earlier = shape;
    try {
        BuildShape(ops, ShapeTransform{kStandard, 10'000'000.0f, 1.0f, 0, 0}, shape);
        FAIL() << "no failure";
    } catch (const RuntimeFailure& failure) {
        EXPECT_EQ(failure.Number(), kOverflow);
        EXPECT_EQ(failure.Description(), "Overflow");
    }
    // The new, still empty shape and the overwritten earlier one; the scratch region is gone.
    EXPECT_NE(shape, earlier);
    EXPECT_EQ(ops.LiveRegionCount(), 2u);
    EXPECT_TRUE(ops.IsLive(shape));
    EXPECT_TRUE(ops.IsLive(earlier));
    EXPECT_TRUE(ops.Region(shape).Empty());
}

TEST(WindowShapeTest, OverflowAfterTheEllipseLeavesThePartialShape) {
    // 600 still fits 32 bits at this scale, the panel's right edge 630 does not.
    SoftwareRegionOps ops;
    RegionHandle shape = kNoRegion;
    EXPECT_THROW(BuildShape(ops, ShapeTransform{kStandard, 3'500'000.0f, 1.0f, 0, 0}, shape), RuntimeFailure);
    EXPECT_EQ(ops.LiveRegionCount(), 1u);
    const auto ellipse = SoftwareRegion::Ellipse(112'000'000, 17, 2'100'000'000, 391);
    ASSERT_TRUE(ellipse.has_value());
    EXPECT_EQ(ops.Region(shape), *ellipse);
}

TEST(WindowShapeTest, ZeroTwipsPerPixelIsDivisionByZero) {
    for (TwipsPerPixel twips : {TwipsPerPixel{0.0, 15.0}, TwipsPerPixel{15.0, 0.0}}) {
        SoftwareRegionOps ops;
        RegionHandle shape = kNoRegion;
        try {
            BuildWindowShape(ops, twips, shape);
            ADD_FAILURE() << "no failure";
        } catch (const RuntimeFailure& failure) {
            EXPECT_EQ(failure.Number(), kDivisionByZero);
            EXPECT_EQ(failure.Description(), "Division by zero");
        }
        EXPECT_EQ(ops.LiveRegionCount(), 1u);
    }
}

// The steps replayed straight on software regions, leaving out some rows.
SoftwareRegion ReplayWithout(const std::vector<int>& skipped) {
    SoftwareRegion shape;
    for (const ShapeStep& step : ComputeShapeSteps(kStandard, 1.0f, 1.0f, 0, 0)) {
        if (std::find(skipped.begin(), skipped.end(), step.row) != skipped.end()) {
            continue;
        }
        std::optional<SoftwareRegion> primitive;
        if (step.kind == PrimitiveKind::Polygon) {
            primitive = SoftwareRegion::Polygon(step.points.data(), static_cast<int>(step.points.size()),
                                                PolygonFill::Alternate);
        } else if (step.kind == PrimitiveKind::Ellipse) {
            primitive = SoftwareRegion::Ellipse(step.left, step.top, step.right, step.bottom);
        } else {
            primitive = SoftwareRegion::Rectangle(step.left, step.top, step.right, step.bottom);
        }
        EXPECT_TRUE(primitive.has_value());
        shape = step.mode == CombineMode::Diff ? shape.Subtracted(*primitive) : shape.United(*primitive);
    }
    return shape;
}

TEST_F(WindowOutlineTest, SomeCutsAndUnionsLeaveNoTrace) {
    EXPECT_EQ(ReplayWithout({}), Outline());
    // The cuts of rows 3, 15, 16, 17 and 22 are filled again by later unions.
    EXPECT_EQ(ReplayWithout({3, 15, 16, 17, 22}), Outline());
    // Rows 24 and 26 to 28 lie inside row 23.
    EXPECT_EQ(ReplayWithout({24, 26, 27, 28}), Outline());
    // The other cuts leave the steps on the right.
    EXPECT_NE(ReplayWithout({4}), Outline());
    EXPECT_NE(ReplayWithout({18, 19, 20, 21}), Outline());
}

// Polygon 5 crosses itself as a figure eight whose loops turn opposite ways,
// and polygon 9 runs back over its own edge at x = 1: no point is wound twice,
// so the fill rule does not change any of the nine polygons.
TEST(WindowShapeTest, FillRuleDoesNotChangeTheOutlinePolygons) {
    const std::vector<ShapeStep> steps = ComputeShapeSteps(kStandard, 1.0f, 1.0f, 0, 0);
    int polygons = 0;
    for (const ShapeStep& step : steps) {
        if (step.kind != PrimitiveKind::Polygon) {
            continue;
        }
        ++polygons;
        const int count = static_cast<int>(step.points.size());
        const auto evenOdd = SoftwareRegion::Polygon(step.points.data(), count, PolygonFill::Alternate);
        const auto winding = SoftwareRegion::Polygon(step.points.data(), count, PolygonFill::Winding);
        ASSERT_TRUE(evenOdd && winding);
        EXPECT_FALSE(evenOdd->Empty()) << "polygon " << step.polygon;
        EXPECT_EQ(*evenOdd, *winding) << "polygon " << step.polygon;
    }
    EXPECT_EQ(polygons, kPolygonCount);
}

}  // namespace
}  // namespace tessary
