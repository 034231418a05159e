#include "shape/software_region.h"

#include <algorithm>
#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace tessary {
namespace {

constexpr int kGrid = 24;  // the brute-force checks look at pixels -2 .. kGrid+1

using Pixels = std::vector<std::vector<bool>>;  // [y + 2][x + 2]

Pixels Sample(const SoftwareRegion& region) {
    Pixels pixels(kGrid + 4, std::vector<bool>(kGrid + 4));
    for (int y = -2; y < kGrid + 2; ++y) {
        for (int x = -2; x < kGrid + 2; ++x) {
            pixels[y + 2][x + 2] = region.Contains(x, y);
        }
    }
    return pixels;
}

// What every region must keep: bands of sorted spans that neither touch nor overlap.
void ExpectCanonical(const SoftwareRegion& region) {
    const std::vector<PixelRect> rects = region.Rectangles();
    for (std::size_t i = 1; i < rects.size(); ++i) {
        const PixelRect& a = rects[i - 1];
        const PixelRect& b = rects[i];
        if (a.top == b.top) {
            EXPECT_EQ(a.bottom, b.bottom);
            EXPECT_LT(a.right, b.left);  // not even touching
        } else {
            EXPECT_LE(a.bottom, b.top);
        }
    }
    for (const PixelRect& r : rects) {
        EXPECT_LT(r.left, r.right);
        EXPECT_LT(r.top, r.bottom);
    }
}

TEST(SoftwareRegionTest, RectangleExcludesRightAndBottomEdges) {
    const SoftwareRegion rect = SoftwareRegion::Rectangle(2, 3, 5, 7);
    EXPECT_TRUE(rect.Contains(2, 3));
    EXPECT_TRUE(rect.Contains(4, 6));
    EXPECT_FALSE(rect.Contains(5, 6));
    EXPECT_FALSE(rect.Contains(4, 7));
    EXPECT_FALSE(rect.Contains(1, 3));
    EXPECT_FALSE(rect.Contains(2, 2));
    EXPECT_EQ(rect.Area(), 12);
    EXPECT_EQ(rect.BoundingBox(), (PixelRect{2, 3, 5, 7}));
    EXPECT_TRUE(rect.IsRectangle());
    EXPECT_TRUE(SoftwareRegion::Rectangle(5, 3, 5, 7).Empty());
    EXPECT_TRUE(SoftwareRegion::Rectangle(6, 3, 5, 7).Empty());
    EXPECT_TRUE(SoftwareRegion::Rectangle(2, 7, 5, 7).Empty());
    EXPECT_TRUE(SoftwareRegion::Rectangle(0, 0, 0, 0).Empty());
    EXPECT_EQ(SoftwareRegion().BoundingBox(), (PixelRect{0, 0, 0, 0}));
}

TEST(SoftwareRegionTest, RectanglesAtTheEndsOfTheCoordinateRange) {
    const std::int32_t lowest = INT32_MIN;
    const std::int32_t highest = INT32_MAX;
    const SoftwareRegion huge = SoftwareRegion::Rectangle(lowest, lowest, highest, highest);
    EXPECT_TRUE(huge.Contains(lowest, highest - 1));
    EXPECT_FALSE(huge.Contains(highest, 0));
    const SoftwareRegion hole = huge.Subtracted(SoftwareRegion::Rectangle(-1, -1, 1, 1));
    EXPECT_FALSE(hole.Contains(0, 0));
    EXPECT_TRUE(hole.Contains(1, 0));
    EXPECT_EQ(hole.United(SoftwareRegion::Rectangle(-1, -1, 1, 1)), huge);
}

TEST(SoftwareRegionTest, UnionAndDifferenceAgreeWithPixelSets) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> coordinate(-1, kGrid);
    auto randomRect = [&] {
        return SoftwareRegion::Rectangle(coordinate(random), coordinate(random), coordinate(random),
                                         coordinate(random));
    };
    for (int trial = 0; trial < 200; ++trial) {
        SoftwareRegion a = randomRect().United(randomRect()).United(randomRect());
        SoftwareRegion b = randomRect().United(randomRect()).Subtracted(randomRect());
        const Pixels pa = Sample(a);
        const Pixels pb = Sample(b);
        const SoftwareRegion united = a.United(b);
        const SoftwareRegion subtracted = a.Subtracted(b);
        const Pixels pu = Sample(united);
        const Pixels pd = Sample(subtracted);
        std::int64_t unitedArea = 0;
        for (std::size_t y = 0; y < pa.size(); ++y) {
            for (std::size_t x = 0; x < pa[y].size(); ++x) {
                ASSERT_EQ(pu[y][x], pa[y][x] || pb[y][x]) << "trial " << trial;
                ASSERT_EQ(pd[y][x], pa[y][x] && !pb[y][x]) << "trial " << trial;
                unitedArea += pu[y][x];
            }
        }
        EXPECT_EQ(united.Area(), unitedArea);
        ExpectCanonical(united);
        ExpectCanonical(subtracted);
        EXPECT_EQ(united, b.United(a));  // one canonical form per pixel set
        EXPECT_EQ(subtracted.United(a.Subtracted(subtracted)), a);
    }
}

TEST(SoftwareRegionTest, RowSpansAndBoundingBox) {
    const SoftwareRegion region = SoftwareRegion::Rectangle(0, 0, 10, 4)
                                      .Subtracted(SoftwareRegion::Rectangle(3, 1, 5, 3))
                                      .United(SoftwareRegion::Rectangle(12, 2, 14, 6));
    EXPECT_EQ(region.RowSpans(0), (std::vector<PixelSpan>{{0, 10}}));
    EXPECT_EQ(region.RowSpans(2), (std::vector<PixelSpan>{{0, 3}, {5, 10}, {12, 14}}));
    EXPECT_EQ(region.RowSpans(5), (std::vector<PixelSpan>{{12, 14}}));
    EXPECT_TRUE(region.RowSpans(6).empty());
    EXPECT_EQ(region.BoundingBox(), (PixelRect{0, 0, 14, 6}));
    EXPECT_FALSE(region.IsRectangle());
}

// Pixel-centre crossing count done the slow way: every edge, every pixel.
bool InsidePolygon(const std::vector<RegionPoint>& points, int x, int y, PolygonFill fill) {
    const std::int64_t px = 2 * x + 1;
    const std::int64_t py = 2 * y + 1;
    int crossings = 0;
    int winding = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        RegionPoint a = points[i];
        RegionPoint b = points[(i + 1) % points.size()];
        const int direction = a.y < b.y ? 1 : -1;
        if (a.y > b.y) {
            std::swap(a, b);
        }
        if (!(2 * a.y < py && py < 2 * b.y)) {
            continue;
        }
        // The edge crosses the row at or left of the centre?
        const std::int64_t cross = (2 * std::int64_t{b.x} - 2 * a.x) * (py - 2 * a.y) -
                                   (px - 2 * std::int64_t{a.x}) * (2 * std::int64_t{b.y} - 2 * a.y);
        if (cross <= 0) {
            ++crossings;
            winding += direction;
        }
    }
    return fill == PolygonFill::Winding ? winding != 0 : crossings % 2 != 0;
}

TEST(SoftwareRegionTest, PolygonsSamplePixelCentres) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(0, kGrid - 1);
    std::uniform_int_distribution<int> vertexCount(3, 9);
    for (int trial = 0; trial < 300; ++trial) {
        std::vector<RegionPoint> points(static_cast<std::size_t>(vertexCount(random)));
        for (RegionPoint& p : points) {
            p = {coordinate(random), coordinate(random)};
        }
        for (PolygonFill fill : {PolygonFill::Alternate, PolygonFill::Winding}) {
            const auto region = SoftwareRegion::Polygon(points.data(), static_cast<int>(points.size()), fill);
            ASSERT_TRUE(region.has_value());
            ExpectCanonical(*region);
            for (int y = -1; y <= kGrid; ++y) {
                for (int x = -1; x <= kGrid; ++x) {
                    ASSERT_EQ(region->Contains(x, y), InsidePolygon(points, x, y, fill))
                        << "trial " << trial << " pixel " << x << "," << y;
                }
            }
        }
    }
}

TEST(SoftwareRegionTest, FillRuleDecidesTheCentreOfAStar) {
    const std::vector<RegionPoint> star{{10, 0}, {16, 20}, {0, 7}, {20, 7}, {4, 20}};
    const auto evenOdd = SoftwareRegion::Polygon(star.data(), 5, PolygonFill::Alternate);
    const auto winding = SoftwareRegion::Polygon(star.data(), 5, PolygonFill::Winding);
    ASSERT_TRUE(evenOdd && winding);
    EXPECT_FALSE(evenOdd->Contains(10, 10));
    EXPECT_TRUE(winding->Contains(10, 10));
    EXPECT_TRUE(evenOdd->Contains(10, 3));
    EXPECT_TRUE(winding->Contains(10, 3));
}

TEST(SoftwareRegionTest, PolygonEdgesFollowTheRectangleRule) {
    const std::vector<RegionPoint> square{{2, 3}, {6, 3}, {6, 8}, {2, 8}};
    const auto region = SoftwareRegion::Polygon(square.data(), 4, PolygonFill::Alternate);
    ASSERT_TRUE(region.has_value());
    EXPECT_EQ(*region, SoftwareRegion::Rectangle(2, 3, 6, 8));
    const RegionPoint point{1, 1};
    EXPECT_FALSE(SoftwareRegion::Polygon(&point, 1, PolygonFill::Alternate).has_value());
    EXPECT_FALSE(SoftwareRegion::Polygon(nullptr, 4, PolygonFill::Alternate).has_value());
    const std::vector<RegionPoint> tall{{0, 0}, {5, 0}, {5, 1 << 20}};
    EXPECT_FALSE(SoftwareRegion::Polygon(tall.data(), 3, PolygonFill::Alternate).has_value());
}

bool InsideEllipse(int left, int top, int right, int bottom, int x, int y) {
    const std::int64_t a = right - left;
    const std::int64_t b = bottom - top;
    const std::int64_t dx = 2 * x + 1 - (left + right);
    const std::int64_t dy = 2 * y + 1 - (top + bottom);
    return dx * dx * b * b + dy * dy * a * a < a * a * b * b;
}

TEST(SoftwareRegionTest, EllipseIsInscribedAndSymmetric) {
    for (int width = 1; width <= 21; ++width) {
        for (int height = 1; height <= 21; ++height) {
            const int left = -3;
            const int top = 2;
            const auto ellipse = SoftwareRegion::Ellipse(left, top, left + width, top + height);
            ASSERT_TRUE(ellipse.has_value());
            for (int y = top - 1; y <= top + height; ++y) {
                for (int x = left - 1; x <= left + width; ++x) {
                    ASSERT_EQ(ellipse->Contains(x, y),
                              InsideEllipse(left, top, left + width, top + height, x, y))
                        << width << "x" << height << " pixel " << x << "," << y;
                    // Mirrored about both axes.
                    ASSERT_EQ(ellipse->Contains(x, y), ellipse->Contains(2 * left + width - 1 - x, y));
                    ASSERT_EQ(ellipse->Contains(x, y), ellipse->Contains(x, 2 * top + height - 1 - y));
                }
            }
            // Thin ellipses miss the far pixel centres; rounder ones touch all four sides.
            if (std::min(width, height) >= 4 && 2 * std::min(width, height) >= std::max(width, height)) {
                EXPECT_EQ(ellipse->BoundingBox(), (PixelRect{left, top, left + width, top + height}))
                    << width << "x" << height;
            }
        }
    }
}

TEST(SoftwareRegionTest, LargeEllipseTouchesItsBox) {
    const auto ellipse = SoftwareRegion::Ellipse(32, 17, 600, 391);
    ASSERT_TRUE(ellipse.has_value());
    EXPECT_EQ(ellipse->BoundingBox(), (PixelRect{32, 17, 600, 391}));
    EXPECT_EQ(ellipse->RowSpans(39), (std::vector<PixelSpan>{{181, 451}}));
    EXPECT_EQ(ellipse->RowSpans(17), ellipse->RowSpans(390));
    EXPECT_TRUE(SoftwareRegion::Ellipse(5, 5, 5, 9)->Empty());
    EXPECT_TRUE(SoftwareRegion::Ellipse(5, 9, 9, 5)->Empty());
    EXPECT_FALSE(SoftwareRegion::Ellipse(0, 0, 10, 1 << 20).has_value());
}

TEST(SoftwareRegionOpsTest, KeepsRegionsByHandle) {
    SoftwareRegionOps ops;
    const RegionHandle a = ops.CreateRectRgn(0, 0, 10, 10);
    const RegionHandle b = ops.CreateRectRgn(5, 0, 15, 10);
    const RegionHandle c = ops.CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(a, kNoRegion);
    EXPECT_NE(a, b);
    EXPECT_EQ(ops.LiveRegionCount(), 3u);

    EXPECT_EQ(ops.CombineRgn(c, a, b, CombineMode::Or), kSimpleRegion);
    EXPECT_EQ(ops.Region(c), SoftwareRegion::Rectangle(0, 0, 15, 10));
    EXPECT_EQ(ops.CombineRgn(c, a, b, CombineMode::Diff), kSimpleRegion);
    EXPECT_EQ(ops.Region(c), SoftwareRegion::Rectangle(0, 0, 5, 10));
    EXPECT_EQ(ops.CombineRgn(c, b, b, CombineMode::Diff), kNullRegion);
    EXPECT_EQ(ops.CombineRgn(c, b, kNoRegion, CombineMode::Copy), kSimpleRegion);
    EXPECT_EQ(ops.Region(c), ops.Region(b));
    EXPECT_EQ(ops.CombineRgn(a, a, c, CombineMode::Diff), kSimpleRegion);  // destination is a source
    EXPECT_EQ(ops.Region(a), SoftwareRegion::Rectangle(0, 0, 5, 10));
    const std::vector<RegionPoint> bow{{0, 0}, {10, 10}, {10, 0}, {0, 10}};
    const RegionHandle d = ops.CreatePolygonRgn(bow.data(), 4, PolygonFill::Alternate);
    EXPECT_EQ(ops.CombineRgn(c, c, d, CombineMode::Or), kComplexRegion);

    EXPECT_EQ(ops.CombineRgn(c, a, 999, CombineMode::Or), kRegionError);
    EXPECT_EQ(ops.CombineRgn(999, a, b, CombineMode::Copy), kRegionError);
    EXPECT_EQ(ops.CombineRgn(c, a, b, static_cast<CombineMode>(1)), kRegionError);
    EXPECT_EQ(ops.CreateEllipticRgn(0, 0, 10, 1 << 20), kNoRegion);

    EXPECT_TRUE(ops.DeleteObject(a));
    EXPECT_FALSE(ops.DeleteObject(a));
    EXPECT_FALSE(ops.IsLive(a));
    EXPECT_THROW(ops.Region(a), std::out_of_range);
    EXPECT_EQ(ops.LiveRegionCount(), 3u);
}

}  // namespace
}  // namespace tessary
