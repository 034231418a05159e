// Loose files and folders dropped as they are.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "intake_test_support.h"

namespace tessary {
namespace {

using ::testing::ElementsAre;
using testing::PlanLines;

TEST(LooseIntake, FolderTakesMapsAndSaysWhyTheRestIsSkipped) {
    testing::TempFolder folder;
    folder.Write("drop/Lake.gmx", "map");
    folder.Write("drop/Lake.bmp", "picture");
    folder.Write("drop/Moss.bmp", "picture");
    folder.Write("drop/CON.gmx", "map");
    folder.Write("drop/Half.gmx.crdownload", "ma");
    folder.Write("drop/Empty.gmx", "");
    folder.Write("drop/deep/a/Far.gmx", "map");
    folder.Link("Lake.gmx", "drop/Link.gmx");
    ASSERT_EQ(::mkfifo((folder / "drop/Pipe.gmx").c_str(), 0600), 0);
    IntakeLimits limits = testing::SmallLimits();
    limits.maxFolderDepth = 1;
    EXPECT_THAT(
        PlanLines(folder, {"drop", "gone.gmx"}, limits),
        ElementsAre("map Lake.gmx + Lake.bmp", "picture Moss.bmp",
                    "skipped drop/CON.gmx: its name is reserved for a device on Windows",
                    "skipped drop/Empty.gmx: it is empty (an unfinished download or a placeholder)",
                    "skipped drop/Half.gmx.crdownload: it is an unfinished download",
                    "skipped drop/Link.gmx: it is a link", "skipped drop/Pipe.gmx: it is not a regular file",
                    "skipped drop/deep/a: it lies more than 1 folders deep in a dropped folder",
                    "skipped gone.gmx: it is no longer there"));
}

TEST(LooseIntake, AMapDroppedAloneBringsThePictureBesideIt) {
    testing::TempFolder folder;
    folder.Write("downloads/Lake.gmx", "map");
    folder.Write("downloads/Lake.bmp", "picture");
    folder.Write("downloads/Moss.bmp", "picture");
    EXPECT_THAT(PlanLines(folder, {"downloads/Lake.gmx"}), ElementsAre("map Lake.gmx + Lake.bmp"));
}

}  // namespace
}  // namespace tessary
