// Maps taken from archives that the zip and 7z programs make during the test.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "intake_test_support.h"

namespace tessary {
namespace {

using ::testing::ElementsAre;
using testing::PlanLines;
using testing::Shell;
using ::testing::UnorderedElementsAre;

// Compressible, so the zip program deflates it.
const std::string kMapBytes = [] {
    std::string bytes;
    for (int i = 0; i < 2000; ++i) bytes += "row " + std::to_string(i % 7) + "\n";
    return bytes;
}();

class ArchiveIntake : public ::testing::Test {
protected:
    testing::TempFolder folder;
};

TEST_F(ArchiveIntake, ZipTakesMapsWithTheirPicturesByBareName) {
    folder.Write("src/Forest/Lake.gmx", kMapBytes);
    folder.Write("src/Forest/Lake.bmp", "BM picture");
    folder.Write("src/Forest/readme.txt", "hello");
    Shell("cd '" + folder.Path() + "/src' && zip -qr ../maps.zip Forest");
    EXPECT_THAT(PlanLines(folder, {"maps.zip"}),
                ElementsAre("map Lake.gmx + Lake.bmp",
                            "skipped maps.zip \xE2\x80\xBA Forest/readme.txt: it is neither a map (.gmx) nor "
                            "a picture (.bmp)"));
    const IntakePlan plan = PlanIntake({folder / "maps.zip"}, PosixDropReader(), testing::SmallLimits(),
                                       [](std::string_view a, std::string_view b) { return a == b; });
    ASSERT_EQ(plan.maps.size(), 1u);
    EXPECT_EQ(testing::ReadPlanned(plan.maps[0].map), kMapBytes);
}

// The 7z program's archive; one map and one picture of another name pair.
TEST_F(ArchiveIntake, SevenZipPairsALoneMapWithALonePicture) {
    folder.Write("src/Forest/Lake.gmx", kMapBytes);
    folder.Write("src/Forest/preview.bmp", "BM picture");
    Shell("cd '" + folder.Path() + "/src' && 7z a -bd -bso0 ../maps.7z Forest >/dev/null");
    EXPECT_THAT(PlanLines(folder, {"maps.7z"}), ElementsAre("map Lake.gmx + preview.bmp"));
    const IntakePlan plan = PlanIntake({folder / "maps.7z"}, PosixDropReader(), testing::SmallLimits(),
                                       [](std::string_view a, std::string_view b) { return a == b; });
    ASSERT_EQ(plan.maps.size(), 1u);
    EXPECT_EQ(testing::ReadPlanned(plan.maps[0].map), kMapBytes);
}

TEST_F(ArchiveIntake, EncryptedEntriesAreSkipped) {
    folder.Write("src/Lake.gmx", kMapBytes);
    Shell("cd '" + folder.Path() + "/src' && zip -q -P secret ../locked.zip Lake.gmx");
    Shell("cd '" + folder.Path() + "/src' && 7z a -bd -bso0 -psecret ../locked.7z Lake.gmx >/dev/null");
    EXPECT_THAT(PlanLines(folder, {"locked.zip", "locked.7z"}),
                ElementsAre("skipped locked.zip \xE2\x80\xBA Lake.gmx: it is encrypted",
                            "skipped locked.7z \xE2\x80\xBA Lake.gmx: it is encrypted"));
}

// Reaching one entry of a solid 7z archive unpacks those before it: an
// archive that unpacks to more than a drop may hold is refused whole.
TEST_F(ArchiveIntake, SevenZipUnpackingPastTheCapIsRefused) {
    folder.Write("src/Big.gmx", std::string(8 << 20, '\0'));
    folder.Write("src/Lake.gmx", kMapBytes);
    Shell("cd '" + folder.Path() + "/src' && 7z a -bd -bso0 ../bomb.7z Big.gmx Lake.gmx >/dev/null");
    IntakeLimits limits = testing::SmallLimits();
    limits.maxTotalBytes = 4 << 20;
    EXPECT_THAT(PlanLines(folder, {"bomb.7z"}, limits),
                ElementsAre("skipped bomb.7z: it is bigger than 4 MB once unpacked"));
}

// An archive in an archive is opened; one more level is not.
TEST_F(ArchiveIntake, OneNestedArchiveLevelAtMost) {
    folder.Write("src/Lake.gmx", kMapBytes);
    folder.Write("src/Deep.gmx", kMapBytes);
    const std::string src = "cd '" + folder.Path() + "/src' && ";
    Shell(src +
          "zip -q deep.zip Deep.gmx && zip -q middle.zip deep.zip && zip -q inner.zip Lake.gmx middle.zip");
    Shell(src + "zip -q ../outer.zip inner.zip");
    EXPECT_THAT(PlanLines(folder, {"outer.zip"}),
                ElementsAre("map Lake.gmx",
                            "skipped outer.zip \xE2\x80\xBA inner.zip \xE2\x80\xBA middle.zip: "
                            "it is an archive inside an archive inside an archive, which is not opened"));
}

}  // namespace
}  // namespace tessary
