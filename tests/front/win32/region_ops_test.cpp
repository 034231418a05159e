// The window shape built through GDI regions against the software region:
// exactly the same at the outline's checkpoints, and the same pixels
// everywhere except within reach of the ellipse's curve and the slanted
// polygon edges, where each rasteriser may decide a pixel its own way.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "front/win32/win32_region_ops.h"
#include "shape/shape_steps.h"
#include "shape/software_region.h"
#include "shape/window_shape.h"

namespace tessary {
namespace {

constexpr TwipsPerPixel kStandard{15, 15};

struct BuiltShapes {
    Win32RegionOps gdi;
    SoftwareRegionOps software;
    RegionHandle gdiShape = kNoRegion;
    RegionHandle softwareShape = kNoRegion;

    explicit BuiltShapes(TwipsPerPixel twips = kStandard, std::int16_t dx = 0, std::int16_t dy = 0) {
        const float one = 1.0f;
        BuildShape(gdi, ShapeTransform{twips, one, one, dx, dy}, gdiShape);
        BuildShape(software, ShapeTransform{twips, one, one, dx, dy}, softwareShape);
    }
    bool InGdi(int x, int y) const { return PtInRegion(gdi.Get(gdiShape), x, y) != 0; }
    bool InSoftware(int x, int y) const { return software.Region(softwareShape).Contains(x, y); }
};

double SegmentDistance(double px, double py, const RegionPoint& a, const RegionPoint& b) {
    const double vx = b.x - a.x, vy = b.y - a.y;
    const double length = vx * vx + vy * vy;
    double t = length == 0 ? 0 : ((px - a.x) * vx + (py - a.y) * vy) / length;
    t = std::fmax(0.0, std::fmin(1.0, t));
    return std::hypot(px - (a.x + t * vx), py - (a.y + t * vy));
}

// True for a pixel whose centre lies within two pixels of a curved or a
// slanted edge of any primitive of the shape.
class DisputedPixels {
public:
    explicit DisputedPixels(TwipsPerPixel twips, std::int16_t dx = 0, std::int16_t dy = 0)
        : steps_(ComputeShapeSteps(twips, 1.0f, 1.0f, dx, dy)) {}

    bool operator()(int x, int y) const {
        const double px = x + 0.5, py = y + 0.5;
        for (const ShapeStep& step : steps_) {
            if (step.kind == PrimitiveKind::Ellipse) {
                const double a = (step.right - step.left) / 2.0, b = (step.bottom - step.top) / 2.0;
                const double ex = (px - (step.left + a)) / a, ey = (py - (step.top + b)) / b;
                if (std::fabs(std::hypot(ex, ey) - 1.0) * std::fmin(a, b) < kReach) return true;
            } else if (step.kind == PrimitiveKind::Polygon) {
                for (std::size_t i = 0; i < step.points.size(); ++i) {
                    const RegionPoint& p = step.points[i];
                    const RegionPoint& q = step.points[(i + 1) % step.points.size()];
                    if (p.x != q.x && p.y != q.y && SegmentDistance(px, py, p, q) < kReach) return true;
                }
            }
        }
        return false;
    }

private:
    static constexpr double kReach = 2.0;
    std::vector<ShapeStep> steps_;
};

TEST(Win32RegionOps, TheShapeHoldsTheOutlinesCheckpointsExactly) {
    const BuiltShapes shapes;
    RECT box{};
    GetRgnBox(shapes.gdi.Get(shapes.gdiShape), &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 17);
    EXPECT_EQ(box.right, 630);
    // The lowest row is the tip of the ellipse's curve, where GDI may stop
    // one row short of the box.
    EXPECT_GE(box.bottom, 390);
    EXPECT_LE(box.bottom, 391);
    const std::vector<std::pair<int, int>> inside{{628, 200}, {629, 100}, {627, 40}, {629, 46}, {3, 370},
                                                  {0, 40},    {10, 45},   {40, 200}, {316, 17}, {316, 389}};
    const std::vector<std::pair<int, int>> outside{{629, 200}, {628, 40}, {629, 45}, {2, 370},
                                                   {0, 39},    {316, 16}, {0, 371},  {316, 391}};
    for (const auto& [x, y] : inside) EXPECT_TRUE(shapes.InGdi(x, y)) << x << "," << y;
    for (const auto& [x, y] : outside) EXPECT_FALSE(shapes.InGdi(x, y)) << x << "," << y;
}

TEST(Win32RegionOps, GdiAndSoftwareAgreeOffTheCurvedAndSlantedEdges) {
    for (const auto& [twips, offset] :
         {std::pair{kStandard, std::pair<std::int16_t, std::int16_t>{0, 0}},
          std::pair{kStandard, std::pair<std::int16_t, std::int16_t>{5, -3}},
          std::pair{TwipsPerPixel{12, 12}, std::pair<std::int16_t, std::int16_t>{0, 0}}}) {
        const BuiltShapes shapes(twips, offset.first, offset.second);
        const DisputedPixels disputed(twips, offset.first, offset.second);
        int compared = 0, differing = 0;
        for (int y = 0; y < 500; ++y) {
            for (int x = -2; x < 800; ++x) {
                if (disputed(x, y)) continue;
                ++compared;
                if (shapes.InGdi(x, y) != shapes.InSoftware(x, y)) {
                    ADD_FAILURE() << "pixel " << x << "," << y << " at " << twips.x << " twips, offset "
                                  << offset.first << "," << offset.second;
                    if (++differing > 10) return;
                }
            }
        }
        EXPECT_GT(compared, 300000);
    }
}

TEST(Win32RegionOps, EveryRegionButTheShapeIsReleasedAndDeleteReleasesIt) {
    BuiltShapes shapes;
    EXPECT_EQ(shapes.gdi.LiveRegionCount(), 1u);
    ASSERT_NE(shapes.gdi.Get(shapes.gdiShape), nullptr);
    // A copy for the window system has the same pixels and lives on its own.
    const GdiObject<HRGN> copy = shapes.gdi.Copy(shapes.gdiShape);
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(EqualRgn(copy.get(), shapes.gdi.Get(shapes.gdiShape)));
    EXPECT_TRUE(shapes.gdi.DeleteObject(shapes.gdiShape));
    EXPECT_EQ(shapes.gdi.LiveRegionCount(), 0u);
    EXPECT_FALSE(shapes.gdi.DeleteObject(shapes.gdiShape));
    EXPECT_TRUE(PtInRegion(copy.get(), 40, 200));
}

TEST(Win32RegionOps, PolygonsFillByTheAskedRule) {
    Win32RegionOps ops;
    // A five-pointed star: its centre is outside by the even-odd rule only.
    const RegionPoint star[] = {{50, 0}, {79, 90}, {2, 35}, {97, 35}, {21, 90}};
    const RegionHandle alternate = ops.CreatePolygonRgn(star, 5, PolygonFill::Alternate);
    const RegionHandle winding = ops.CreatePolygonRgn(star, 5, PolygonFill::Winding);
    EXPECT_FALSE(PtInRegion(ops.Get(alternate), 50, 50));
    EXPECT_TRUE(PtInRegion(ops.Get(winding), 50, 50));
    EXPECT_TRUE(PtInRegion(ops.Get(alternate), 50, 10));
}

}  // namespace
}  // namespace tessary
