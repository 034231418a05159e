// Every picture of the public BMP Suite (tests/data/bmpsuite) through the
// preview reader: each comes out as its expected.txt line says, and a picture
// that is read matches the suite's own rendering pixel for pixel.
#include <QColor>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "forms/bmp_picture.h"
#include "support/binary_reader.h"

namespace tessary {
namespace {

namespace fs = std::filesystem;

fs::path SuiteDir() { return testing::SourceDir() / "tests" / "data" / "bmpsuite"; }

// image (relative to the suite) -> reference picture, "decoded" or "refused".
std::map<std::string, std::string> Expectations() {
    std::map<std::string, std::string> expected;
    std::ifstream in(SuiteDir() / "expected.txt");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string image, outcome;
        fields >> image >> outcome;
        expected[image] = outcome;
    }
    return expected;
}

// The first pixel where the picture and the reference differ in colour,
// skipping pixels the reference leaves fully transparent; "" when none.
std::string FirstDifference(const Picture& picture, const QImage& reference) {
    if (picture.width != reference.width() || picture.height != reference.height()) {
        return "size " + std::to_string(picture.width) + "x" + std::to_string(picture.height) +
               ", reference " + std::to_string(reference.width()) + "x" + std::to_string(reference.height());
    }
    const QImage argb = reference.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const QRgb want = argb.pixel(x, y);
            if (qAlpha(want) == 0) continue;
            const std::uint32_t got = picture.pixels[static_cast<std::size_t>(y) * picture.width + x];
            if ((got & 0xFFFFFFu) != (want & 0xFFFFFFu)) {
                std::ostringstream text;
                text << "pixel (" << x << ", " << y << ") is " << std::hex << (got & 0xFFFFFFu)
                     << ", reference " << (want & 0xFFFFFFu);
                return text.str();
            }
        }
    }
    return {};
}

TEST(BmpSuite, EveryPictureComesOutAsExpected) {
    const auto expected = Expectations();
    int matched = 0, decoded = 0, refused = 0, listed = 0;
    for (const char* group : {"g", "q", "b"}) {
        for (const auto& entry : fs::directory_iterator(SuiteDir() / group)) {
            const std::string image = std::string(group) + "/" + entry.path().filename().string();
            const auto it = expected.find(image);
            ASSERT_NE(it, expected.end()) << image << " is missing from expected.txt";
            ++listed;
            const DecodeResult result = DecodeBmp(testing::ReadBytes(entry.path()));
            if (it->second == "refused") {
                EXPECT_FALSE(result.picture) << image << " was read";
                EXPECT_FALSE(result.reason.empty()) << image;
                ++refused;
                continue;
            }
            if (!result.picture) {
                ADD_FAILURE() << image << " was refused: " << result.reason;
                continue;
            }
            ++decoded;
            if (it->second == "decoded") continue;
            const QImage reference(QString::fromStdString((SuiteDir() / "reference" / it->second).string()));
            ASSERT_FALSE(reference.isNull()) << it->second;
            EXPECT_EQ(FirstDifference(*result.picture, reference), "") << image << " against " << it->second;
            ++matched;
        }
    }
    EXPECT_EQ(listed, static_cast<int>(expected.size())) << "expected.txt names pictures that are not there";
    std::cout << "BMP Suite: " << listed << " pictures, " << decoded << " read (" << matched
              << " checked against a reference), " << refused << " refused\n";
}

}  // namespace
}  // namespace tessary
