// Zip archives crafted by hand (make_hostile_zips.py), one fault each.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "intake_test_support.h"

namespace tessary {
namespace {

using ::testing::ElementsAre;
using testing::PlanLines;

class HostileZip : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new testing::TempFolder;
        testing::Shell("python3 '" + std::string(std::getenv("TESSARY_SOURCE_DIR")) +
                       "/tests/intake/make_hostile_zips.py' '" + folder_->Path() + "'");
    }
    static void TearDownTestSuite() { delete folder_; }
    static std::vector<std::string> Plan(const std::string& name) { return PlanLines(*folder_, {name}); }

    static testing::TempFolder* folder_;
};

testing::TempFolder* HostileZip::folder_ = nullptr;

TEST_F(HostileZip, ClimbingAndRootedPathsGiveBareNames) {
    EXPECT_THAT(Plan("paths.zip"), ElementsAre("map evil.gmx", "map evil2.gmx"));
}

TEST_F(HostileZip, LinkEntryIsSkipped) {
    EXPECT_THAT(Plan("link.zip"), ElementsAre("skipped link.zip \xE2\x80\xBA link.gmx: it is a link"));
}

// The headers say ten bytes; the count of what comes out stops it.
TEST_F(HostileZip, BombIsStoppedWhileInflating) {
    EXPECT_THAT(Plan("bomb.zip"),
                ElementsAre("skipped bomb.zip \xE2\x80\xBA big.gmx: it is bigger than 1 MB once unpacked"));
}

TEST_F(HostileZip, OverlappingEntriesRefuseTheArchive) {
    EXPECT_THAT(Plan("overlap.zip"),
                ElementsAre("skipped overlap.zip: its entries overlap one another (a crafted archive)"));
}

TEST_F(HostileZip, NamesReadAsCodePage437Utf8OrUnicodePath) {
    EXPECT_THAT(Plan("names.zip"), ElementsAre("map Lac\u00e9.gmx", "map For\u00eat.gmx", "map Ma\u00f1.gmx",
                                               "map Pi\u00fc.gmx"));
}

TEST_F(HostileZip, NamesClashingAcrossFoldersOrButForCaseAreBothSkipped) {
    const std::string clash = ": another file in the same archive or folder has the same name";
    EXPECT_THAT(Plan("clash.zip"), ElementsAre("skipped clash.zip \xE2\x80\xBA a/Lake.gmx" + clash,
                                               "skipped clash.zip \xE2\x80\xBA b/Lake.gmx" + clash,
                                               "skipped clash.zip \xE2\x80\xBA Moss.gmx" + clash,
                                               "skipped clash.zip \xE2\x80\xBA MOSS.gmx" + clash));
}

TEST_F(HostileZip, ChangedBytesFailTheCheckSum) {
    EXPECT_THAT(Plan("crc.zip"), ElementsAre("skipped crc.zip \xE2\x80\xBA Lake.gmx: "
                                             "the archive is damaged (its check sum does not match)"));
}

TEST_F(HostileZip, LocalHeaderDisagreeingWithTheDirectoryRefusesTheArchive) {
    EXPECT_THAT(
        Plan("disagree.zip"),
        ElementsAre("skipped disagree.zip: an entry's own header disagrees with the archive's directory"));
}

TEST_F(HostileZip, SplitAndZip64ArchivesAreRefusedWithTheirReason) {
    EXPECT_THAT(Plan("split.zip"),
                ElementsAre("skipped split.zip: it is one part of an archive split into several files"));
    folder_->Write("src/Lake.gmx", "map");
    testing::Shell("cd '" + folder_->Path() + "/src' && zip -q -fz ../large.zip Lake.gmx");
    EXPECT_THAT(Plan("large.zip"),
                ElementsAre("skipped large.zip: it is in the large-archive form (ZIP64), which is not read"));
}

}  // namespace
}  // namespace tessary
