// The map window over real folders: listing, first-run creation and map
// transfers with the POSIX file services, checked against the folders'
// contents afterwards.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>

#include "fakes/real_folders_mover.h"
#include "front/posix/posix_file_list.h"
#include "front/posix/posix_files.h"
#include "front/posix/replacing_file.h"
#include "support/temp_folder.h"
#include "support/unprivileged.h"

namespace tessary {
namespace {

using Names = std::vector<std::string>;
using Contents = std::map<std::string, std::string>;

// Every file directly in a folder with its bytes.
Contents ContentsOf(const std::string& folder) {
    Contents contents;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_regular_file())
            contents[entry.path().filename().string()] = testing::ReadAll(entry.path());
    }
    return contents;
}

// The temporary folder goes last, after the window over it.
struct WithRoot {
    testing::TempFolder root;
};

struct RealMover : WithRoot, fakes::RealFoldersMover<PosixFileList, PosixFiles> {
    // Over the maps folder "Fennock/Home/Maps" in a new temporary folder, or
    // over the one given.
    explicit RealMover(std::string gameMaps = {})
        : RealFoldersMover(gameMaps.empty() ? root.Folder("Fennock/Home/Maps") : std::move(gameMaps)) {}
};

TEST(MoverOnRealFolders, FirstRunCreatesStoredMapsAndListsTheGamesMaps) {
    RealMover m;
    for (const char* name : {"map10.gmx", "Map2.GMX", "map1.gmx", "readme.txt", "map1.bmp"}) {
        m.root.Write("Fennock/Home/Maps/" + std::string(name));
    }
    m.root.Write("Fennock/Home/Maps/Old/deep.gmx");
    m.mover.Load();
    EXPECT_TRUE(m.messages.shown.empty());
    EXPECT_TRUE(m.controls.Visible(MapControl::InstallIdle));
    EXPECT_FALSE(m.controls.Visible(MapControl::InstallButton));
    EXPECT_TRUE(std::filesystem::is_directory(m.stored));
    EXPECT_EQ(m.gameList.Entries(), (Names{"map1.gmx", "Map2.GMX", "map10.gmx"}));
    EXPECT_TRUE(m.storedList.Entries().empty());
    EXPECT_EQ(m.storedList.Folder(), m.stored);

    // A map copied in by another program shows only after the next refresh.
    m.root.Write("Fennock/Home/Maps/Stored Maps/Kept.gmx");
    EXPECT_TRUE(m.storedList.Entries().empty());
    m.mover.RefreshMapLists();
    EXPECT_EQ(m.storedList.Entries(), (Names{"Kept.gmx"}));

    // Second run: the folder is there and is listed.
    RealMover second{m.game};
    second.mover.Load();
    EXPECT_TRUE(second.messages.shown.empty());
    EXPECT_EQ(second.storedList.Entries(), (Names{"Kept.gmx"}));
}

TEST(MoverOnRealFolders, MissingGameFolderLeavesBothListsEmpty) {
    testing::TempFolder elsewhere;
    RealMover m{elsewhere / "Gone/Home/Maps"};
    m.mover.Load();
    ASSERT_EQ(m.messages.shown.size(), 1u);
    EXPECT_NE(m.messages.shown[0].first.find(m.game), std::string::npos);
    EXPECT_FALSE(m.gameList.HasFolder());
    EXPECT_FALSE(m.storedList.HasFolder());
    EXPECT_FALSE(std::filesystem::exists(elsewhere / "Gone"));
}

TEST(MoverOnRealFolders, InstallAndStoreMoveMapsWithTheirPictures) {
    RealMover m;
    m.root.Write("Fennock/Home/Maps/Stored Maps/Lake.gmx", "lake map");
    m.root.Write("Fennock/Home/Maps/Stored Maps/Lake.bmp", "BM lake");
    m.root.Write("Fennock/Home/Maps/Deer.GMX", "deer map");
    m.mover.Load();

    m.ClickStored("Lake.gmx");
    EXPECT_EQ(m.controls.Preview(), m.stored + "/Lake.bmp");
    m.mover.Install();
    EXPECT_EQ(ContentsOf(m.game),
              (Contents{{"Deer.GMX", "deer map"}, {"Lake.bmp", "BM lake"}, {"Lake.gmx", "lake map"}}));
    EXPECT_TRUE(ContentsOf(m.stored).empty());
    EXPECT_EQ(m.gameList.Entries(), (Names{"Deer.GMX", "Lake.gmx"}));
    EXPECT_TRUE(m.storedList.Entries().empty());

    m.ClickGame("Deer.GMX");
    EXPECT_TRUE(m.controls.NoPictureShown());
    m.mover.Store();
    EXPECT_EQ(ContentsOf(m.stored), (Contents{{"Deer.GMX", "deer map"}}));
    EXPECT_EQ(m.storedList.Entries(), (Names{"Deer.GMX"}));
    EXPECT_EQ(m.pointer.current, PointerShape::Default);
    EXPECT_TRUE(m.messages.shown.empty());
}

TEST(MoverOnRealFolders, ReplacingAMapSetsItsOldPictureAsideWithIt) {
    RealMover m;
    m.root.Write("Fennock/Home/Maps/Elk.gmx", "new elk");
    m.root.Write("Fennock/Home/Maps/Stored Maps/Elk.gmx", "old elk");
    m.root.Write("Fennock/Home/Maps/Stored Maps/Elk.bmp", "BM old elk");
    m.mover.Load();
    m.ClickGame("Elk.gmx");
    m.mover.Store();
    EXPECT_EQ(ContentsOf(m.stored), (Contents{{"Elk.gmx", "new elk"}}));
    EXPECT_EQ(ContentsOf(m.stored + "/Replaced Maps"),
              (Contents{{"Elk.bmp", "BM old elk"}, {"Elk.gmx", "old elk"}}));
    EXPECT_TRUE(ContentsOf(m.game).empty());
}

// An accented letter is one character in some names and a letter with a
// combining accent in others; a player reads both the same.
TEST(MoverOnRealFolders, APictureNamedInAnotherUnicodeFormIsItsMapsAndNeverAnotherMaps) {
    RealMover m;
    const std::string composed = "Caf\xC3\xA9", combining = "Cafe\xCC\x81";
    m.root.Write("Fennock/Home/Maps/" + composed + ".gmx", "map");
    m.root.Write("Fennock/Home/Maps/" + combining + ".bmp", "BM picture");
    m.mover.Load();
    m.ClickGame(composed + ".gmx");
    EXPECT_EQ(m.controls.Preview(), m.game + "/" + combining + ".bmp");
    m.mover.Store();
    const Contents stored{{composed + ".gmx", "map"}, {combining + ".bmp", "BM picture"}};
    EXPECT_EQ(ContentsOf(m.stored), stored);

    // A map named in the other form comes with its own picture: stored, it
    // would take the first map's picture's place, so it stays.
    m.root.Write("Fennock/Home/Maps/" + combining + ".gmx", "other map");
    m.root.Write("Fennock/Home/Maps/" + combining + ".bmp", "BM other picture");
    m.mover.RefreshMapLists();
    m.ClickGame(combining + ".gmx");
    m.mover.Store();
    EXPECT_EQ(m.messages.shown.size(), 1u);
    EXPECT_EQ(ContentsOf(m.stored), stored);
    EXPECT_EQ(ContentsOf(m.game),
              (Contents{{combining + ".gmx", "other map"}, {combining + ".bmp", "BM other picture"}}));
    m.ClickStored(composed + ".gmx");
    EXPECT_EQ(m.controls.Preview(), m.stored + "/" + combining + ".bmp");
}

TEST(MoverOnRealFolders, AFailedCopyDeletesNothing) {
    RealMover m;
    m.root.Write("Fennock/Home/Maps/Stored Maps/Lake.gmx", "lake map");
    m.root.Write("Fennock/Home/Maps/Stored Maps/Lake.bmp", "BM lake");
    m.root.Write("Fennock/Home/Maps/Elk.gmx", "elk map");
    m.root.Write("Fennock/Home/Maps/Elk.bmp", "BM elk");
    m.mover.Load();

    // A folder in the way of the map's destination.
    m.root.Folder("Fennock/Home/Maps/Lake.gmx");
    m.ClickStored("Lake.gmx");
    m.mover.Install();
    EXPECT_EQ(ContentsOf(m.stored), (Contents{{"Lake.bmp", "BM lake"}, {"Lake.gmx", "lake map"}}));
    EXPECT_FALSE(std::filesystem::exists(m.game + "/Lake.bmp"));

    // A write-protected destination folder, with nothing else in the way; as
    // an ordinary user, since root writes anyway.
    std::filesystem::remove(m.game + "/Lake.gmx");
    const std::string outcome = testing::AsUnprivileged(m.root.Path(), [&]() -> std::string {
        if (::chmod(m.game.c_str(), 0555) != 0) return "chmod failed";
        m.ClickStored("Lake.gmx");
        m.mover.Install();
        return ::chmod(m.game.c_str(), 0755) == 0 ? "" : "chmod failed";
    });
    EXPECT_EQ(outcome, "");
    EXPECT_EQ(ContentsOf(m.stored), (Contents{{"Lake.bmp", "BM lake"}, {"Lake.gmx", "lake map"}}));
    EXPECT_EQ(ContentsOf(m.game), (Contents{{"Elk.bmp", "BM elk"}, {"Elk.gmx", "elk map"}}));

    // The stored maps folder removed after the click.
    m.ClickGame("Elk.gmx");
    std::filesystem::remove_all(m.stored);
    m.mover.Store();
    EXPECT_EQ(ContentsOf(m.game), (Contents{{"Elk.bmp", "BM elk"}, {"Elk.gmx", "elk map"}}));
    EXPECT_FALSE(std::filesystem::exists(m.stored));
    EXPECT_EQ(m.pointer.current, PointerShape::Default);
    EXPECT_TRUE(m.controls.Visible(MapControl::InstallIdle));
    EXPECT_TRUE(m.controls.Visible(MapControl::StoreIdle));
}

// Without a trash, a plain file named "Replaced Maps" leaves nowhere to keep
// the map that would be replaced: nothing moves, nothing is written.
TEST(MoverOnRealFolders, AReplacedMapsThatIsAFileStopsTheTransfer) {
    RealMover m;
    m.root.Write("Fennock/Home/Maps/Stored Maps/Lake.gmx", "new lake");
    m.root.Write("Fennock/Home/Maps/Stored Maps/Replaced Maps", "a file");
    m.root.Write("Fennock/Home/Maps/Lake.gmx", "old lake");
    m.mover.Load();
    m.ClickStored("Lake.gmx");
    m.mover.Install();
    EXPECT_EQ(ContentsOf(m.game), (Contents{{"Lake.gmx", "old lake"}}));
    EXPECT_EQ(ContentsOf(m.stored), (Contents{{"Lake.gmx", "new lake"}, {"Replaced Maps", "a file"}}));
}

// What a copy cut off by a crash left behind goes at the next load; files
// that only look alike stay.
TEST(MoverOnRealFolders, LoadingRemovesWhatACutOffCopyLeft) {
    RealMover m;
    m.root.Write("Fennock/Home/Maps/.tessary-a1B2c3", "half a map");
    m.root.Write("Fennock/Home/Maps/Stored Maps/.tessary-Zz09yx", "half a map");
    m.root.Write("Fennock/Home/Maps/.tessary-a1B2c3.gmx", "a map");
    m.root.Write("Fennock/Home/Maps/.tessary-notes", "notes");
    m.root.Folder("Fennock/Home/Maps/.tessary-folder");
    m.mover.Load();
    EXPECT_EQ(ContentsOf(m.game), (Contents{{".tessary-a1B2c3.gmx", "a map"}, {".tessary-notes", "notes"}}));
    EXPECT_TRUE(std::filesystem::is_directory(m.game + "/.tessary-folder"));
    EXPECT_TRUE(ContentsOf(m.stored).empty());
}

// A second program's load never takes the temporary file of a copy still
// being written for a leftover.
TEST(MoverOnRealFolders, LoadingLeavesTheTemporaryFileOfACopyUnderWay) {
    RealMover m;
    ReplacingFile underWay(m.game + "/Lake.gmx");
    underWay.WriteAll("half", 4);
    m.mover.Load();
    underWay.WriteAll(" a map", 6);
    underWay.Commit(0644, ReplacingFile::Existing::Keep);
    EXPECT_EQ(ContentsOf(m.game), (Contents{{"Lake.gmx", "half a map"}}));
}

// On Linux only "/" separates names; a link standing at the destination,
// even one that leads nowhere, is set aside like a file, never overwritten.
TEST(MoverOnRealFolders, NamesWithABackslashMoveAndALinkInTheWayIsSetAside) {
    RealMover m;
    m.root.Write("Fennock/Home/Maps/Back\\slash.gmx", "map");
    m.root.Folder("Fennock/Home/Maps/Stored Maps");
    ASSERT_EQ(::symlink("nowhere", (m.stored + "/Back\\slash.gmx").c_str()), 0);
    m.mover.Load();
    m.ClickGame("Back\\slash.gmx");
    m.mover.Store();
    EXPECT_TRUE(m.messages.shown.empty());
    EXPECT_EQ(ContentsOf(m.stored), (Contents{{"Back\\slash.gmx", "map"}}));
    char target[16] = {};
    EXPECT_EQ(::readlink((m.stored + "/Replaced Maps/Back\\slash.gmx").c_str(), target, sizeof target - 1),
              7);
    EXPECT_STREQ(target, "nowhere");
}

TEST(MoverOnRealFolders, StoredMapsThatAreTheGameFolderThroughALinkLoseNothing) {
    RealMover m;
    m.root.Write("Fennock/Home/Maps/Lake.gmx", "lake map");
    m.root.Write("Fennock/Home/Maps/Lake.bmp", "BM lake");
    m.root.Link(m.game, "Fennock/Home/Maps/Stored Maps");
    m.mover.Load();
    EXPECT_EQ(m.storedList.Entries(), (Names{"Lake.gmx"}));
    m.ClickGame("Lake.gmx");
    m.mover.Store();
    EXPECT_EQ(ContentsOf(m.game), (Contents{{"Lake.bmp", "BM lake"}, {"Lake.gmx", "lake map"}}));
    m.ClickStored("Lake.gmx");
    m.mover.Install();
    EXPECT_EQ(ContentsOf(m.game), (Contents{{"Lake.bmp", "BM lake"}, {"Lake.gmx", "lake map"}}));
}

}  // namespace
}  // namespace tessary
