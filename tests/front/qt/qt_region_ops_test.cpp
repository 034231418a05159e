#include "front/qt/qt_region_ops.h"

#include <algorithm>
#include <random>
#include <vector>

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QRegion>

#include <gtest/gtest.h>

#include "platform/failure.h"
#include "shape/software_region.h"
#include "shape/window_shape.h"

namespace tessary {
namespace {

// Every pixel of the box, compared one by one.
void ExpectSamePixels(const QRegion& qt, const SoftwareRegion& software, const QRect& box) {
    int mismatches = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (qt.contains(QPoint(x, y)) != software.Contains(x, y) && ++mismatches <= 5) {
                ADD_FAILURE() << "pixel " << x << "," << y << ": Qt " << qt.contains(QPoint(x, y));
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(QtRegionOpsTest, WindowShapeMatchesTheSoftwareRegion) {
    QtRegionOps qtOps;
    SoftwareRegionOps softwareOps;
    RegionHandle qtShape = kNoRegion;
    RegionHandle softwareShape = kNoRegion;
    BuildWindowShape(qtOps, {15.0, 15.0}, qtShape);
    BuildWindowShape(softwareOps, {15.0, 15.0}, softwareShape);
    const QRegion shape = qtOps.ToQRegion(qtShape);
    EXPECT_EQ(shape.boundingRect(), QRect(0, 17, 630, 374));
    ExpectSamePixels(shape, softwareOps.Region(softwareShape), QRect(-2, -2, 644, 404));
    EXPECT_EQ(qtOps.LiveRegionCount(), 1u);
}

TEST(QtRegionOpsTest, ShiftedAndScaledShapesMatchTheSoftwareRegion) {
    QtRegionOps qtOps;
    SoftwareRegionOps softwareOps;
    RegionHandle qtShape = kNoRegion;
    RegionHandle softwareShape = kNoRegion;
    BuildShape(qtOps, ShapeTransform{{12.0, 12.0}, 0.9f, 1.1f, 5, -3}, qtShape);
    BuildShape(softwareOps, ShapeTransform{{12.0, 12.0}, 0.9f, 1.1f, 5, -3}, softwareShape);
    ExpectSamePixels(qtOps.ToQRegion(qtShape), softwareOps.Region(softwareShape), QRect(-2, -2, 720, 540));
}

TEST(QtRegionOpsTest, FailedBuildKeepsOnlyTheShape) {
    QtRegionOps ops;
    RegionHandle shape = kNoRegion;
    EXPECT_THROW(BuildShape(ops, ShapeTransform{{15.0, 15.0}, 10'000'000.0f, 1.0f, 0, 0}, shape),
                 RuntimeFailure);
    EXPECT_EQ(ops.LiveRegionCount(), 1u);
    EXPECT_TRUE(ops.IsLive(shape));
    EXPECT_TRUE(ops.ToQRegion(shape).isEmpty());
}

TEST(QtRegionOpsTest, RectanglesCombinesAndHandles) {
    QtRegionOps ops;
    const RegionHandle a = ops.CreateRectRgn(0, 0, 10, 10);
    const RegionHandle b = ops.CreateRectRgn(5, 5, 15, 15);
    const RegionHandle c = ops.CreateRectRgn(0, 0, 0, 0);
    EXPECT_TRUE(ops.ToQRegion(c).isEmpty());
    EXPECT_TRUE(ops.ToQRegion(ops.CreateRectRgn(5, 0, 3, 10)).isEmpty());
    EXPECT_EQ(ops.ToQRegion(a), QRegion(0, 0, 10, 10));
    EXPECT_EQ(ops.CombineRgn(c, a, b, CombineMode::Or), kComplexRegion);
    EXPECT_EQ(ops.ToQRegion(c), QRegion(0, 0, 10, 10).united(QRegion(5, 5, 10, 10)));
    EXPECT_EQ(ops.CombineRgn(c, a, b, CombineMode::Diff), kComplexRegion);
    EXPECT_FALSE(ops.ToQRegion(c).contains(QPoint(5, 5)));
    EXPECT_TRUE(ops.ToQRegion(c).contains(QPoint(9, 4)));
    EXPECT_EQ(ops.CombineRgn(c, a, kNoRegion, CombineMode::Copy), kSimpleRegion);
    EXPECT_EQ(ops.CombineRgn(c, a, a, CombineMode::Diff), kNullRegion);
    EXPECT_EQ(ops.CombineRgn(c, a, 999, CombineMode::Or), kRegionError);
    EXPECT_TRUE(ops.DeleteObject(a));
    EXPECT_FALSE(ops.DeleteObject(a));
    EXPECT_TRUE(ops.ToQRegion(a).isEmpty());
    EXPECT_EQ(ops.CreateEllipticRgn(0, 0, 10, 1 << 20), kNoRegion);
}

TEST(QtRegionOpsTest, SoftwareRegionsConvertPixelForPixel) {
    std::mt19937 random(99);
    std::uniform_int_distribution<int> coordinate(-20, 60);
    for (int trial = 0; trial < 50; ++trial) {
        SoftwareRegion region;
        for (int i = 0; i < 6; ++i) {
            const SoftwareRegion rect = SoftwareRegion::Rectangle(coordinate(random), coordinate(random),
                                                                  coordinate(random), coordinate(random));
            region = i % 3 == 2 ? region.Subtracted(rect) : region.United(rect);
        }
        ExpectSamePixels(ToQRegion(region), region, QRect(-22, -22, 85, 85));
    }
}

QPolygon ToQPolygon(const std::vector<RegionPoint>& points) {
    QPolygon polygon;
    for (const RegionPoint& point : points) {
        polygon << QPoint(point.x, point.y);
    }
    return polygon;
}

// The polygon painted without antialiasing by Qt's raster engine, which also
// samples pixel centres, read back as a region of the image's pixels.
QRegion PaintedPolygon(const std::vector<RegionPoint>& points, Qt::FillRule rule, const QRect& box) {
    QImage image(box.size(), QImage::Format_ARGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.translate(-box.left(), -box.top());
        painter.drawPolygon(ToQPolygon(points), rule);
    }
    QRegion region;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == qRgb(255, 255, 255)) {
                region += QRect(box.left() + x, box.top() + y, 1, 1);
            }
        }
    }
    return region;
}

// Is the centre of pixel (x, y) exactly on one of the polygon's edges?
bool CentreOnEdge(const std::vector<RegionPoint>& points, int x, int y) {
    const std::int64_t px = 2 * x + 1;
    const std::int64_t py = 2 * y + 1;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const RegionPoint& a = points[i];
        const RegionPoint& b = points[(i + 1) % points.size()];
        const std::int64_t ax = 2 * a.x, ay = 2 * a.y, bx = 2 * b.x, by = 2 * b.y;
        const bool between = std::min(ax, bx) <= px && px <= std::max(ax, bx) && std::min(ay, by) <= py &&
                             py <= std::max(ay, by);
        if (between && (bx - ax) * (py - ay) == (px - ax) * (by - ay)) {
            return true;
        }
    }
    return false;
}

// An independent check of the software rasteriser. Qt decides a pixel whose
// centre lies exactly on an edge its own way; the software region keeps such
// a pixel where the edge is a left edge, as rectangles do.
TEST(QtRegionOpsTest, SoftwarePolygonsAgreeWithQtPainting) {
    std::vector<std::vector<RegionPoint>> polygons;
    for (const ShapeStep& step : ComputeShapeSteps({15.0, 15.0}, 1.0f, 1.0f, 0, 0)) {
        if (step.kind == PrimitiveKind::Polygon) {
            polygons.push_back(step.points);
        }
    }
    polygons.push_back({{10, 0}, {16, 20}, {0, 7}, {20, 7}, {4, 20}});  // a star
    std::mt19937 random(5);
    std::uniform_int_distribution<int> coordinate(0, 40);
    for (int trial = 0; trial < 100; ++trial) {
        std::vector<RegionPoint> points(6);
        for (RegionPoint& point : points) {
            point = {coordinate(random), coordinate(random)};
        }
        polygons.push_back(points);
    }
    for (std::size_t i = 0; i < polygons.size(); ++i) {
        const std::vector<RegionPoint>& points = polygons[i];
        const QRect box = ToQPolygon(points).boundingRect().adjusted(-2, -2, 2, 2);
        for (auto [fill, qtFill] : {std::pair{PolygonFill::Alternate, Qt::OddEvenFill},
                                    std::pair{PolygonFill::Winding, Qt::WindingFill}}) {
            const auto software =
                SoftwareRegion::Polygon(points.data(), static_cast<int>(points.size()), fill);
            ASSERT_TRUE(software.has_value());
            SCOPED_TRACE("polygon " + std::to_string(i) +
                         (fill == PolygonFill::Winding ? " winding" : " even-odd"));
            const QRegion painted = PaintedPolygon(points, qtFill, box);
            for (int y = box.top(); y <= box.bottom(); ++y) {
                for (int x = box.left(); x <= box.right(); ++x) {
                    if (painted.contains(QPoint(x, y)) != software->Contains(x, y)) {
                        ASSERT_TRUE(CentreOnEdge(points, x, y)) << "pixel " << x << "," << y;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace tessary
