#include <gtest/gtest.h>

#include "fakes/fake_mover.h"
#include "mapwindow/replaced_file.h"
#include "platform/path.h"

namespace tessary {
namespace {

using fakes::FakeDisk;
using fakes::MoverFakes;
using Names = std::vector<std::string>;

// A loaded window about to install Lake.gmx with its picture over a game
// maps folder that already holds both.
struct Replacing : MoverFakes {
    Replacing() {
        disk.AddFolder(kStored);
        disk.AddFile(Stored("Lake.gmx"), "new map");
        disk.AddFile(Stored("Lake.bmp"), "BM new");
        disk.AddFile(Game("Lake.gmx"), "old map");
        disk.AddFile(Game("Lake.bmp"), "BM old");
        mover.Load();
        storedList.selected = "Lake.gmx";
        mover.ChooseStoredMap();
    }
    std::string Replaced(const std::string& name) const { return JoinPath(Stored(kReplacedMapsName), name); }
};

TEST(ReplacedFiles, GoToTheTrashAndTheListsLookAsWithoutIt) {
    Replacing f;
    f.mover.Install();
    EXPECT_EQ(f.disk.files.at(f.Game("Lake.gmx")), "new map");
    EXPECT_EQ(f.disk.files.at(f.Game("Lake.bmp")), "BM new");
    EXPECT_EQ(f.disk.files.at(JoinPath(FakeDisk::kTrash, "Lake.gmx")), "old map");
    EXPECT_EQ(f.disk.files.at(JoinPath(FakeDisk::kTrash, "Lake.bmp")), "BM old");
    EXPECT_EQ(f.gameList.Entries(), (Names{"Lake.gmx"}));
    EXPECT_TRUE(f.storedList.Entries().empty());
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST(ReplacedFiles, WithoutTrashGoUnderAFreeNameIntoReplacedMapsWhichNoListShows) {
    Replacing f;
    f.disk.trashAvailable = false;
    f.disk.AddFolder(f.Stored(kReplacedMapsName));
    f.disk.AddFile(f.Replaced("Lake.gmx"), "older map");
    f.mover.Install();
    EXPECT_EQ(f.disk.files.at(f.Game("Lake.gmx")), "new map");
    EXPECT_EQ(f.disk.files.at(f.Replaced("Lake.gmx")), "older map");
    // The replaced pair keeps one number.
    EXPECT_EQ(f.disk.files.at(f.Replaced("Lake (2).gmx")), "old map");
    EXPECT_EQ(f.disk.files.at(f.Replaced("Lake (2).bmp")), "BM old");
    EXPECT_EQ(f.gameList.Entries(), (Names{"Lake.gmx"}));
    EXPECT_TRUE(f.storedList.Entries().empty());

    // A store over the stored map of that name: the folder is made on need.
    f.disk.files.erase(f.Replaced("Lake.gmx"));
    f.disk.files.erase(f.Replaced("Lake (2).gmx"));
    f.disk.files.erase(f.Replaced("Lake (2).bmp"));
    f.disk.folders.erase(f.Stored(kReplacedMapsName));
    f.disk.AddFile(f.Stored("Lake.gmx"), "stored map");
    f.gameList.selected = "Lake.gmx";
    f.mover.ChooseGameMap();
    f.mover.Store();
    EXPECT_EQ(f.disk.files.at(f.Stored("Lake.gmx")), "new map");
    EXPECT_EQ(f.disk.files.at(f.Replaced("Lake.gmx")), "stored map");
    EXPECT_EQ(f.storedList.Entries(), (Names{"Lake.gmx"}));
}

TEST(ReplacedFiles, AFileThatCannotBeKeptIsNotTransferred) {
    Replacing f;
    f.disk.trashAvailable = false;
    f.disk.FailOn("create " + f.Stored(kReplacedMapsName));
    f.mover.Install();
    EXPECT_EQ(f.disk.files.at(f.Game("Lake.gmx")), "old map");
    EXPECT_EQ(f.disk.files.at(f.Game("Lake.bmp")), "BM old");
    EXPECT_EQ(f.disk.files.at(f.Stored("Lake.gmx")), "new map");
    EXPECT_EQ(f.disk.files.at(f.Stored("Lake.bmp")), "BM new");
    EXPECT_EQ(f.Looks(), "idle");

    // Only the picture cannot be kept: neither moves, and the map taken
    // into the trash first comes back.
    Replacing g;
    g.disk.FailOn("trash " + g.Game("Lake.bmp"));
    g.disk.FailOn("move " + g.Game("Lake.bmp"));
    g.mover.Install();
    EXPECT_EQ(g.disk.files.at(g.Game("Lake.gmx")), "old map");
    EXPECT_EQ(g.disk.files.at(g.Game("Lake.bmp")), "BM old");
    EXPECT_EQ(g.disk.files.at(g.Stored("Lake.gmx")), "new map");
    EXPECT_EQ(g.disk.files.at(g.Stored("Lake.bmp")), "BM new");
    EXPECT_FALSE(g.disk.HasFile(JoinPath(FakeDisk::kTrash, "Lake.gmx")));
}

TEST(ReplacedFiles, AFailedCopyPutsTheReplacedFileBack) {
    for (const bool trash : {true, false}) {
        SCOPED_TRACE(trash ? "trash" : "replaced maps");
        Replacing f;
        f.disk.trashAvailable = trash;
        // Not renamed (another disk), and the copy fails.
        f.disk.FailOn("move " + f.Stored("Lake.gmx"));
        f.disk.FailOn("copy " + f.Stored("Lake.gmx"), kDiskFull);
        f.mover.Install();
        EXPECT_EQ(f.disk.files.at(f.Game("Lake.gmx")), "old map");
        EXPECT_EQ(f.disk.files.at(f.Stored("Lake.gmx")), "new map");
        EXPECT_FALSE(f.disk.HasFile(trash ? JoinPath(FakeDisk::kTrash, "Lake.gmx") : f.Replaced("Lake.gmx")));
    }
}

TEST(ReplacedFiles, NumberedNames) {
    EXPECT_EQ(NumberedName("Lake.gmx", 2), "Lake (2).gmx");
    EXPECT_EQ(NumberedName("a.b.GMX", 13), "a.b (13).GMX");
    EXPECT_EQ(NumberedName("Lake", 3), "Lake (3)");
    EXPECT_EQ(NumberedName(".gmx", 2), ".gmx (2)");
}

}  // namespace
}  // namespace tessary
