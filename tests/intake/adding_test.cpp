// Adding dropped maps through the map window, over the fake disk: the
// player's answer, the transfer that moves the maps in, and a disk that
// fails or a program that is cut off on the way.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "fakes/fake_drop_reader.h"
#include "fakes/fake_mover.h"
#include "intake/adding_text.h"
#include "platform/path.h"

namespace tessary {
namespace {

using fakes::FakeDisk;
using fakes::FakeDropReader;
using fakes::MoverFakes;
using fakes::NativePath;

// A window over a game whose maps folder holds Lake.gmx with its picture,
// and a downloads folder with a new Lake.gmx and its picture.
struct Dropping : MoverFakes {
    static inline const std::string kDownloads = NativePath("/downloads");

    Dropping() {
        disk.AddFolder(kStored);
        disk.AddFolder(kDownloads);
        disk.AddFile(Game("Lake.gmx"), "old map");
        disk.AddFile(Game("Lake.bmp"), "BM old picture");
        disk.AddFile(Download("Lake.gmx"), "new map");
        disk.AddFile(Download("Lake.bmp"), "BM new picture");
        mover.Load();
    }
    static std::string Download(const std::string& name) { return JoinPath(kDownloads, name); }
    void Drop(const std::vector<std::string>& names, DropTarget target = DropTarget::GameMaps) {
        std::vector<std::string> paths;
        for (const auto& name : names) paths.push_back(Download(name));
        mover.AddDroppedFiles(paths, target, FakeDropReader(disk));
    }
    // The files of a folder, by name.
    std::map<std::string, std::string> In(const std::string& folder) const {
        std::map<std::string, std::string> found;
        for (const auto& [path, bytes] : disk.files) {
            if (FakeDisk::Parent(path) == folder) found[path.substr(folder.size() + 1)] = bytes;
        }
        return found;
    }
    // Anything of an add left behind: a staging folder or a journal.
    bool Leftovers() const {
        return std::any_of(
                   disk.folders.begin(), disk.folders.end(),
                   [](const std::string& f) { return f.find(".tessary-adding-") != std::string::npos; }) ||
               std::any_of(disk.files.begin(), disk.files.end(), [](const auto& f) {
                   return f.first.find(".tessary-journal-") != std::string::npos;
               });
    }
    std::string LastMessage() const { return messages.shown.empty() ? "" : messages.shown.back().first; }

    using Files = std::map<std::string, std::string>;
};

TEST(AddingDroppedMaps, ConfirmedDropLandsMapAndPictureAndSetsAsideTheReplacedOnes) {
    Dropping f;
    f.disk.AddFile(f.Game("Hill.gmx"), "hill map");  // appeared meanwhile: the lists are read again
    const auto downloads = f.In(f.kDownloads);
    // The picture comes from beside the dropped map.
    f.Drop({"Lake.gmx"});
    ASSERT_EQ(f.messages.asked.size(), 1u);
    EXPECT_NE(f.messages.asked[0].first.find("With a picture: \"Lake.gmx\""), std::string::npos);
    EXPECT_NE(f.messages.asked[0].first.find("Replacing maps already there: \"Lake.gmx\""),
              std::string::npos);
    EXPECT_EQ(
        f.In(f.kGame),
        (Dropping::Files{{"Hill.gmx", "hill map"}, {"Lake.bmp", "BM new picture"}, {"Lake.gmx", "new map"}}));
    EXPECT_EQ(f.In(FakeDisk::kTrash),
              (Dropping::Files{{"Lake.bmp", "BM old picture"}, {"Lake.gmx", "old map"}}));
    EXPECT_EQ(f.In(f.kDownloads), downloads);
    EXPECT_FALSE(f.Leftovers());
    EXPECT_EQ(f.LastMessage(), "1 map was added to the game's maps folder:\n\"Lake.gmx\"");
    EXPECT_EQ(f.gameList.Entries(), (std::vector<std::string>{"Hill.gmx", "Lake.gmx"}));
}

TEST(AddingDroppedMaps, ADropOnTheStoredListAddsToStoredMapsAndNamesTheGamesTwin) {
    Dropping f;
    f.Drop({"Lake.gmx"}, DropTarget::StoredMaps);
    ASSERT_EQ(f.messages.asked.size(), 1u);
    EXPECT_NE(f.messages.asked[0].first.find("Also in the game's maps folder: \"Lake.gmx\""),
              std::string::npos);
    EXPECT_EQ(f.In(f.kStored), (Dropping::Files{{"Lake.bmp", "BM new picture"}, {"Lake.gmx", "new map"}}));
    EXPECT_EQ(f.In(f.kGame), (Dropping::Files{{"Lake.bmp", "BM old picture"}, {"Lake.gmx", "old map"}}));
}

TEST(AddingDroppedMaps, CancelWritesNothing) {
    Dropping f;
    f.messages.answerOk = false;
    const auto files = f.disk.files;
    const auto folders = f.disk.folders;
    f.Drop({"Lake.gmx", "Lake.bmp"}, DropTarget::StoredMaps);
    EXPECT_EQ(f.messages.asked.size(), 1u);
    EXPECT_EQ(f.disk.files, files);
    EXPECT_EQ(f.disk.folders, folders);
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST(AddingDroppedMaps, NothingToTakeSaysWhatWasSkippedWithoutAsking) {
    Dropping f;
    f.disk.AddFile(Dropping::Download("notes.txt"), "text");
    f.Drop({"notes.txt"});
    EXPECT_TRUE(f.messages.asked.empty());
    EXPECT_EQ(f.LastMessage(),
              "No map was added: what was dropped holds no map (.gmx) to add.\n\nSkipped:\n\"" +
                  Dropping::Download("notes.txt") + "\": it is neither a map (.gmx) nor a picture (.bmp)");
}

// A map the lists would not show would be added out of the player's sight.
TEST(AddingDroppedMaps, AMapTheListsWouldNotShowIsSkipped) {
    Dropping f;
    f.disk.AddFile(Dropping::Download("Hill.Gmx"), "hill map");
    f.Drop({"Hill.Gmx"});
    EXPECT_TRUE(f.messages.asked.empty());
    EXPECT_FALSE(f.disk.HasFile(f.Game("Hill.Gmx")));
    EXPECT_NE(f.LastMessage().find("the lists show only maps whose names end in \".gmx\" or \".GMX\""),
              std::string::npos);
}

TEST(AddingDroppedMaps, ADropWhileMapsAreAddedIsNotTaken) {
    Dropping f;
    f.disk.AddFile(Dropping::Download("Hill.gmx"), "hill map");
    bool again = true;
    f.messages.whileShown = [&] {
        if (std::exchange(again, false)) f.Drop({"Hill.gmx"});
    };
    f.Drop({"Lake.gmx"});
    ASSERT_EQ(f.messages.asked.size(), 1u);
    ASSERT_EQ(f.messages.shown.size(), 2u);
    EXPECT_EQ(f.messages.shown[0].first, kAddingWhileMovingText);
    EXPECT_FALSE(f.disk.HasFile(f.Game("Hill.gmx")));
    EXPECT_EQ(f.disk.files.at(f.Game("Lake.gmx")), "new map");
}

TEST(AddingDroppedMaps, AFullDiskHalfWayAddsNoMapByHalfAndSaysWhich) {
    Dropping f;
    f.disk.AddFile(Dropping::Download("Hill.gmx"), "hill map");
    f.disk.AddFile(Dropping::Download("Hill.bmp"), "BM hill picture");
    // The map is in place when its picture finds the disk full.
    f.disk.FailOn("move to " + f.Game("Hill.bmp"), kDiskFull);
    const auto downloads = f.In(f.kDownloads);
    f.Drop({"Lake.gmx", "Lake.bmp", "Hill.gmx", "Hill.bmp"});
    EXPECT_EQ(f.In(f.kGame), (Dropping::Files{{"Lake.bmp", "BM new picture"}, {"Lake.gmx", "new map"}}));
    EXPECT_EQ(f.In(f.kDownloads), downloads);
    EXPECT_FALSE(f.Leftovers());
    const std::string report = f.LastMessage();
    EXPECT_EQ(
        report.rfind("1 map was added to the game's maps folder:\n\"Lake.gmx\"\n\n1 map was not added:\n"
                     "\"Hill.gmx\": The disk is full.",
                     0),
        0u)
        << report;
}

// Cut off at every step, the next start finishes or takes back the add:
// the game's folder holds the old map or the new one, each whole with its
// picture, the old one is kept, and nothing of the add is left behind.
TEST(AddingDroppedMaps, AnAddCutOffIsFinishedOrTakenBackAtTheNextStart) {
    for (int step = 1;; ++step) {
        SCOPED_TRACE("cut off at step " + std::to_string(step));
        Dropping f;
        const auto downloads = f.In(f.kDownloads);
        f.disk.steps = 0;
        f.disk.crashAt = step;
        try {
            f.Drop({"Lake.gmx"});
            break;  // it ended before that step
        } catch (const FakeDisk::SimulatedCrash&) {}
        f.disk.crashAt = 0;
        f.disk.crashed = false;
        MoverFakes next;
        next.disk = f.disk;
        next.mover.Load();
        f.disk = next.disk;
        for (const auto& [text, caption] : next.messages.shown) {
            EXPECT_EQ(text.rfind("Tessary was stopped while it added \"Lake.gmx\".", 0), 0u) << text;
        }
        const auto game = f.In(f.kGame);
        const bool added = game.at("Lake.gmx") == "new map";
        EXPECT_EQ(game.at("Lake.bmp"), added ? "BM new picture" : "BM old picture");
        if (added) {
            EXPECT_EQ(f.In(FakeDisk::kTrash),
                      (Dropping::Files{{"Lake.bmp", "BM old picture"}, {"Lake.gmx", "old map"}}));
        }
        EXPECT_EQ(f.In(f.kDownloads), downloads);
        EXPECT_FALSE(f.Leftovers());
        if (::testing::Test::HasFailure()) return;
    }
}

}  // namespace
}  // namespace tessary
