// The order in which the builder asks for, combines and releases regions.
#include <stdexcept>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/failure.h"
#include "shape/shape_tables.h"
#include "shape/software_region.h"
#include "shape/window_shape.h"

namespace tessary {
namespace {

struct Call {
    enum Kind { Rect, Ellipse, Polygon, Combine, Delete } kind = Rect;
    RegionHandle handle = kNoRegion;        // created, destination or deleted region
    std::vector<std::int32_t> coordinates;  // box, or x and y of each point
    PolygonFill fill = PolygonFill::Alternate;
    RegionHandle source1 = kNoRegion;
    RegionHandle source2 = kNoRegion;
    CombineMode mode = CombineMode::Copy;
};

// Records every call and passes it on to software regions.
class RecordingRegionOps final : public RegionOps {
public:
    RegionHandle CreateRectRgn(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) override {
        Fail();
        const RegionHandle handle = regions.CreateRectRgn(l, t, r, b);
        calls.push_back(Made(Call::Rect, handle, {l, t, r, b}));
        return handle;
    }
    RegionHandle CreateEllipticRgn(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) override {
        Fail();
        const RegionHandle handle = regions.CreateEllipticRgn(l, t, r, b);
        calls.push_back(Made(Call::Ellipse, handle, {l, t, r, b}));
        return handle;
    }
    RegionHandle CreatePolygonRgn(const RegionPoint* points, int count, PolygonFill fill) override {
        Fail();
        const RegionHandle handle = regions.CreatePolygonRgn(points, count, fill);
        Call call = Made(Call::Polygon, handle, {});
        call.fill = fill;
        for (int i = 0; i < count; ++i) {
            call.coordinates.push_back(points[i].x);
            call.coordinates.push_back(points[i].y);
        }
        calls.push_back(call);
        return handle;
    }
    int CombineRgn(RegionHandle destination, RegionHandle source1, RegionHandle source2,
                   CombineMode mode) override {
        Fail();
        Call call = Made(Call::Combine, destination, {});
        call.source1 = source1;
        call.source2 = source2;
        call.mode = mode;
        calls.push_back(call);
        return regions.CombineRgn(destination, source1, source2, mode);
    }
    bool DeleteObject(RegionHandle region) override {
        calls.push_back(Made(Call::Delete, region, {}));
        return regions.DeleteObject(region);
    }

    SoftwareRegionOps regions;
    std::vector<Call> calls;
    int failAtCall = -1;  // a creation or combine that throws, counted from 0

private:
    static Call Made(Call::Kind kind, RegionHandle handle, std::vector<std::int32_t> coordinates) {
        Call call;
        call.kind = kind;
        call.handle = handle;
        call.coordinates = std::move(coordinates);
        return call;
    }

    void Fail() {
        if (static_cast<int>(calls.size()) == failAtCall) {
            throw std::runtime_error("region operation failed");
        }
    }
};

std::vector<std::int32_t> OutlineCoordinates(const PrimitiveRow& row) {
    if (row.kind != PrimitiveKind::Polygon) {
        return {row.left, row.top, row.right, row.bottom};
    }
    const VertexTable& table = PolygonVertices(row.polygon);
    std::vector<std::int32_t> coordinates;
    for (int i = 0; i < table.Count(); ++i) {
        coordinates.push_back(table.X(i));
        coordinates.push_back(table.Y(i));
    }
    return coordinates;
}

TEST(BuildSequenceTest, PrimitivesAreCombinedInTableOrderAndReleasedAtOnce) {
    RecordingRegionOps ops;
    const RegionHandle earlier = ops.regions.CreateRectRgn(0, 0, 5, 5);
    RegionHandle shape = earlier;
    const RegionHandle result = BuildWindowShape(ops, {15.0, 15.0}, shape);
    ASSERT_EQ(result, shape);
    const std::vector<Call>& calls = ops.calls;
    ASSERT_EQ(calls.size(), 2u + 3u + 31u * 4u + 1u);

    // Two empty regions: the new shape, then the scratch region.
    EXPECT_EQ(calls[0].kind, Call::Rect);
    EXPECT_EQ(calls[0].coordinates, (std::vector<std::int32_t>{0, 0, 0, 0}));
    EXPECT_EQ(calls[0].handle, shape);
    EXPECT_NE(shape, earlier);
    EXPECT_EQ(calls[1].kind, Call::Rect);
    EXPECT_EQ(calls[1].coordinates, (std::vector<std::int32_t>{0, 0, 0, 0}));
    const RegionHandle scratch = calls[1].handle;

    // Row 1, the ellipse, is copied into the shape.
    const auto& table = PrimitiveTable();
    EXPECT_EQ(calls[2].kind, Call::Ellipse);
    EXPECT_EQ(calls[2].coordinates, OutlineCoordinates(table[0]));
    EXPECT_EQ(calls[3].kind, Call::Combine);
    EXPECT_EQ(calls[3].handle, shape);
    EXPECT_EQ(calls[3].source1, calls[2].handle);
    EXPECT_EQ(calls[3].source2, calls[2].handle);
    EXPECT_EQ(calls[3].mode, CombineMode::Copy);
    EXPECT_EQ(calls[4].kind, Call::Delete);
    EXPECT_EQ(calls[4].handle, calls[2].handle);

    // Rows 2 to 32: create, copy the shape so far, combine, release.
    for (std::size_t row = 2; row <= 32; ++row) {
        const std::size_t at = 5 + (row - 2) * 4;
        const PrimitiveRow& expected = table[row - 1];
        const Call& create = calls[at];
        const Call::Kind kind = expected.kind == PrimitiveKind::Polygon ? Call::Polygon : Call::Rect;
        EXPECT_EQ(create.kind, kind) << "row " << row;
        EXPECT_EQ(create.coordinates, OutlineCoordinates(expected)) << "row " << row;
        EXPECT_EQ(create.fill, PolygonFill::Alternate) << "row " << row;
        EXPECT_NE(create.handle, kNoRegion) << "row " << row;

        const Call& copy = calls[at + 1];
        EXPECT_EQ(copy.kind, Call::Combine) << "row " << row;
        EXPECT_EQ(copy.handle, scratch) << "row " << row;
        EXPECT_EQ(copy.source1, shape) << "row " << row;
        EXPECT_EQ(copy.source2, shape) << "row " << row;
        EXPECT_EQ(copy.mode, CombineMode::Copy) << "row " << row;

        const Call& combine = calls[at + 2];
        EXPECT_EQ(combine.kind, Call::Combine) << "row " << row;
        EXPECT_EQ(combine.handle, shape) << "row " << row;
        EXPECT_EQ(combine.source1, scratch) << "row " << row;
        EXPECT_EQ(combine.source2, create.handle) << "row " << row;
        EXPECT_EQ(combine.mode, expected.mode) << "row " << row;

        EXPECT_EQ(calls[at + 3].kind, Call::Delete) << "row " << row;
        EXPECT_EQ(calls[at + 3].handle, create.handle) << "row " << row;
    }
    EXPECT_EQ(calls.back().kind, Call::Delete);
    EXPECT_EQ(calls.back().handle, scratch);

    // The earlier shape is overwritten, not released; it stays the caller's business.
    EXPECT_TRUE(ops.regions.IsLive(earlier));
    EXPECT_EQ(ops.regions.LiveRegionCount(), 2u);
}

TEST(BuildSequenceTest, CoordinatesAreTransformedBeforeTheyReachTheRegions) {
    RecordingRegionOps ops;
    RegionHandle shape = kNoRegion;
    BuildShape(ops, ShapeTransform{{12.0, 10.0}, 1.5f, 0.75f, 7, -9}, shape);
    const std::vector<ShapeStep> steps = ComputeShapeSteps({12.0, 10.0}, 1.5f, 0.75f, 7, -9);
    ASSERT_EQ(steps.size(), 32u);
    for (std::size_t row = 1; row <= 32; ++row) {
        const std::size_t at = row == 1 ? 2 : 5 + (row - 2) * 4;
        const ShapeStep& step = steps[row - 1];
        std::vector<std::int32_t> expected;
        if (step.kind == PrimitiveKind::Polygon) {
            for (const RegionPoint& point : step.points) {
                expected.push_back(point.x);
                expected.push_back(point.y);
            }
        } else {
            expected = {step.left, step.top, step.right, step.bottom};
        }
        EXPECT_EQ(ops.calls[at].coordinates, expected) << "row " << row;
    }
    // The ellipse: 32 * 1.5 * 15 / 12 + 7 = 67, 17 * 0.75 * 15 / 10 - 9 = 10.125.
    EXPECT_EQ(ops.calls[2].coordinates, (std::vector<std::int32_t>{67, 10, 1132, 431}));
}

TEST(BuildSequenceTest, BadCoordinateReleasesScratchRegion) {
    RecordingRegionOps ops;
    RegionHandle shape = kNoRegion;
    EXPECT_THROW(BuildShape(ops, ShapeTransform{{15.0, 15.0}, 10'000'000.0f, 1.0f, 0, 0}, shape),
                 RuntimeFailure);
    ASSERT_EQ(ops.calls.size(), 3u);  // the two empty regions, then the scratch region released
    EXPECT_EQ(ops.calls[0].handle, shape);
    EXPECT_EQ(ops.calls[2].kind, Call::Delete);
    EXPECT_EQ(ops.calls[2].handle, ops.calls[1].handle);
    EXPECT_EQ(ops.regions.LiveRegionCount(), 1u);
}

TEST(BuildSequenceTest, FailingRegionOperationReleasesPrimitiveAndScratch) {
    RecordingRegionOps ops;
    ops.failAtCall = 7;  // the combine of row 2 into the shape
    RegionHandle shape = kNoRegion;
    EXPECT_THROW(BuildWindowShape(ops, {15.0, 15.0}, shape), std::runtime_error);
    ASSERT_EQ(ops.calls.size(), 9u);
    EXPECT_EQ(ops.calls[7].kind, Call::Delete);
    EXPECT_EQ(ops.calls[7].handle, ops.calls[5].handle);  // row 2's rectangle
    EXPECT_EQ(ops.calls[8].kind, Call::Delete);
    EXPECT_EQ(ops.calls[8].handle, ops.calls[1].handle);  // the scratch region
    EXPECT_EQ(ops.regions.LiveRegionCount(), 1u);
    EXPECT_TRUE(ops.regions.IsLive(shape));
}

}  // namespace
}  // namespace tessary
