// tessary_shape_png OUT.png [twipsX twipsY scaleX scaleY offX offY]
// Writes the window outline at 1:1, white inside and black outside.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>

#include <QImage>
#include <QString>

#include "platform/failure.h"
#include "shape/software_region.h"
#include "shape/window_shape.h"

namespace {

constexpr int kMinWidth = 640;
constexpr int kMinHeight = 400;
constexpr int kMaxSide = 8192;

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 8) {
        std::fprintf(stderr, "usage: %s OUT.png [twipsX twipsY scaleX scaleY offX offY]\n", argv[0]);
        return 2;
    }
    tessary::TwipsPerPixel twips{15.0, 15.0};
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    std::int16_t offsetX = 0;
    std::int16_t offsetY = 0;
    try {
        if (argc == 8) {
            twips = {std::stod(argv[2]), std::stod(argv[3])};
            scaleX = std::stof(argv[4]);
            scaleY = std::stof(argv[5]);
            offsetX = static_cast<std::int16_t>(std::stoi(argv[6]));
            offsetY = static_cast<std::int16_t>(std::stoi(argv[7]));
        }
    } catch (const std::exception&) {
        std::fprintf(stderr, "not a number among the arguments\n");
        return 2;
    }

    tessary::SoftwareRegionOps ops;
    tessary::RegionHandle shape = tessary::kNoRegion;
    try {
        tessary::BuildShape(ops, tessary::ShapeTransform{twips, scaleX, scaleY, offsetX, offsetY}, shape);
    } catch (const tessary::RuntimeFailure& failure) {
        std::fprintf(stderr, "%d: %s\n", failure.Number(), failure.Description().c_str());
        return 1;
    }
    const tessary::SoftwareRegion& region = ops.Region(shape);
    const tessary::PixelRect box = region.BoundingBox();
    const int width = std::clamp(box.right, kMinWidth, kMaxSide);
    const int height = std::clamp(box.bottom, kMinHeight, kMaxSide);

    QImage image(width, height, QImage::Format_Grayscale8);
    image.fill(0);
    for (const tessary::PixelRect& rect : region.Rectangles()) {
        for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, height); ++y) {
            uchar* line = image.scanLine(y);
            const int from = std::max(rect.left, 0);
            const int to = std::min(rect.right, width);
            if (from < to) {
                std::fill(line + from, line + to, uchar{255});
            }
        }
    }
    if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: %dx%d, outline box %d,%d to %d,%d\n", argv[1], width, height, box.left, box.top,
                box.right, box.bottom);
    return 0;
}
