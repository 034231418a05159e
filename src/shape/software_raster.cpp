// Rasterises ellipses and polygons into software regions by sampling pixel
// centres. Work is done in doubled coordinates, where pixel centres are odd
// integers, so polygon edges are decided in exact integer arithmetic.
#include <algorithm>
#include <cmath>

#include "shape/software_region.h"

namespace tessary {
namespace {

std::int64_t FloorDiv(std::int64_t numerator, std::int64_t denominator) {  // denominator > 0
    const std::int64_t quotient = numerator / denominator;
    return (numerator % denominator != 0 && numerator < 0) ? quotient - 1 : quotient;
}

std::int64_t CeilDiv(std::int64_t numerator, std::int64_t denominator) {  // denominator > 0
    return -FloorDiv(-numerator, denominator);
}

struct Crossing {
    std::int64_t pixel;  // first pixel whose centre lies at or right of the edge
    int direction;       // +1 for an edge going down, -1 going up
};

// Crossings of the polygon's edges with the centre line of row y.
void RowCrossings(const RegionPoint* points, int count, std::int64_t y, std::vector<Crossing>& crossings) {
    crossings.clear();
    const std::int64_t sampleY = 2 * y + 1;
    for (int i = 0; i < count; ++i) {
        const RegionPoint& from = points[i];
        const RegionPoint& to = points[(i + 1) % count];
        if (from.y == to.y) {
            continue;
        }
        const bool down = from.y < to.y;
        const RegionPoint& upper = down ? from : to;
        const RegionPoint& lower = down ? to : from;
        if (y < upper.y || y >= lower.y) {
            continue;
        }
        // Doubled coordinates: the crossing lies at x = numerator / denominator.
        const std::int64_t x0 = 2 * std::int64_t{upper.x};
        const std::int64_t y0 = 2 * std::int64_t{upper.y};
        const std::int64_t dx = 2 * (std::int64_t{lower.x} - upper.x);
        const std::int64_t denominator = 2 * (std::int64_t{lower.y} - upper.y);
        const std::int64_t numerator = x0 * denominator + (sampleY - y0) * dx;
        // Pixel p is inside from the crossing on when its centre 2p + 1 >= x.
        crossings.push_back({CeilDiv(numerator - denominator, 2 * denominator), down ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& a, const Crossing& b) { return a.pixel < b.pixel; });
}

void AppendSpan(std::vector<PixelSpan>& spans, std::int64_t left, std::int64_t right) {
    if (right <= left) {
        return;
    }
    if (!spans.empty() && left <= spans.back().right) {
        spans.back().right = std::max<std::int32_t>(spans.back().right, static_cast<std::int32_t>(right));
        return;
    }
    spans.push_back({static_cast<std::int32_t>(left), static_cast<std::int32_t>(right)});
}

void FillRow(const std::vector<Crossing>& crossings, PolygonFill fill, std::vector<PixelSpan>& spans) {
    spans.clear();
    int winding = 0;
    int crossed = 0;
    std::int64_t start = 0;
    for (const Crossing& crossing : crossings) {
        const bool wasInside = fill == PolygonFill::Winding ? winding != 0 : crossed % 2 != 0;
        winding += crossing.direction;
        ++crossed;
        const bool isInside = fill == PolygonFill::Winding ? winding != 0 : crossed % 2 != 0;
        if (!wasInside && isInside) {
            start = crossing.pixel;
        } else if (wasInside && !isInside) {
            AppendSpan(spans, start, crossing.pixel);
        }
    }
}

// In doubled coordinates relative to the centre: is (x, y) strictly inside the
// ellipse with axes a and b? Exact while a and b stay below 2^14.
bool InsideEllipse(double x, double y, double a, double b) {
    return x * x * b * b + y * y * a * a < a * a * b * b;
}

}  // namespace

std::optional<SoftwareRegion> SoftwareRegion::Polygon(const RegionPoint* points, int count,
                                                      PolygonFill fill) {
    if (points == nullptr || count < 2) {
        return std::nullopt;
    }
    const auto [lowest, highest] = std::minmax_element(
        points, points + count, [](const RegionPoint& a, const RegionPoint& b) { return a.y < b.y; });
    const std::int64_t top = lowest->y;
    const std::int64_t bottom = highest->y;
    if (bottom - top > kMaxRasterRows) {
        return std::nullopt;
    }
    SoftwareRegionBuilder builder;
    std::vector<Crossing> crossings;
    std::vector<PixelSpan> spans;
    for (std::int64_t y = top; y < bottom; ++y) {
        RowCrossings(points, count, y, crossings);
        FillRow(crossings, fill, spans);
        const auto row = static_cast<std::int32_t>(y);
        builder.AddBand(row, row + 1, spans);
    }
    return builder.Finish();
}

std::optional<SoftwareRegion> SoftwareRegion::Ellipse(std::int32_t left, std::int32_t top, std::int32_t right,
                                                      std::int32_t bottom) {
    const std::int64_t width = std::int64_t{right} - left;
    const std::int64_t height = std::int64_t{bottom} - top;
    if (width <= 0 || height <= 0) {
        return SoftwareRegion();
    }
    if (height > kMaxRasterRows) {
        return std::nullopt;
    }
    const std::int64_t sumX = std::int64_t{left} + right;
    const std::int64_t sumY = std::int64_t{top} + bottom;
    const auto a = static_cast<double>(width);
    const auto b = static_cast<double>(height);
    // Rows of the upper half, the middle row included; the lower half mirrors them.
    const std::int64_t halfRows = (height + 1) / 2;
    std::vector<PixelSpan> halfSpans(static_cast<std::size_t>(halfRows), PixelSpan{0, 0});
    for (std::int64_t row = 0; row < halfRows; ++row) {
        const auto y = static_cast<double>(2 * (top + row) + 1 - sumY);
        // Largest doubled x of the pixel centres' parity that lies inside.
        const std::int64_t parity = (sumX + 1) % 2 == 0 ? 0 : 1;
        auto x = static_cast<std::int64_t>(std::floor(a * std::sqrt(std::max(0.0, 1.0 - (y / b) * (y / b)))));
        if ((x - parity) % 2 != 0) {
            --x;
        }
        while (InsideEllipse(static_cast<double>(x + 2), y, a, b)) {
            x += 2;
        }
        while (x >= 0 && !InsideEllipse(static_cast<double>(x), y, a, b)) {
            x -= 2;
        }
        if (x >= 0) {
            const std::int64_t first = (sumX - 1 - x) / 2;
            halfSpans[static_cast<std::size_t>(row)] = {static_cast<std::int32_t>(first),
                                                        static_cast<std::int32_t>(sumX - first)};
        }
    }
    SoftwareRegionBuilder builder;
    auto addRow = [&](std::int64_t row, const PixelSpan& span) {
        const auto y = static_cast<std::int32_t>(row);
        builder.AddBand(
            y, y + 1,
            span.right > span.left ? std::span<const PixelSpan>(&span, 1) : std::span<const PixelSpan>());
    };
    for (std::int64_t row = 0; row < halfRows; ++row) {
        addRow(top + row, halfSpans[static_cast<std::size_t>(row)]);
    }
    for (std::int64_t row = height - halfRows - 1; row >= 0; --row) {
        addRow(bottom - 1 - row, halfSpans[static_cast<std::size_t>(row)]);
    }
    return builder.Finish();
}

}  // namespace tessary
