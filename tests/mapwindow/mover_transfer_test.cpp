#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/fake_mover.h"
#include "forms/message_title.h"
#include "mapwindow/mover_messages.h"

namespace tessary {
namespace {

using fakes::EventLog;
using fakes::MoverFakes;
using Names = std::vector<std::string>;

// A loaded window whose stored maps folder holds Lake.gmx with its picture.
struct Loaded : MoverFakes {
    Loaded() {
        disk.AddFolder(kStored);
        disk.AddFile(Stored("Lake.gmx"), "lake map");
        disk.AddFile(Stored("Lake.bmp"), "BM lake");
        mover.Load();
    }
    void ClickStored(const std::string& name) {
        storedList.selected = name;
        mover.ChooseStoredMap();
    }
    void ClickGame(const std::string& name) {
        gameList.selected = name;
        mover.ChooseGameMap();
    }
};

TEST(MoverTransfer, InstallMovesMapAndPictureThenShowsTheIdleLook) {
    Loaded f;
    f.ClickStored("Lake.gmx");
    const auto before =
        std::tuple(f.mover.SelectedStoredMap, f.mover.SelectedGameMap, f.mover.PreviewPicturePath);
    f.ClearLog();
    f.mover.Install();
    // The pointer is busy while the files move.
    const auto at = [&f](const std::string& event) { return std::find(f.log.begin(), f.log.end(), event); };
    EXPECT_LT(at("pointer busy"), at("move " + f.Stored("Lake.gmx") + " -> " + f.Game("Lake.gmx")));
    EXPECT_LT(at("move " + f.Stored("Lake.bmp") + " -> " + f.Game("Lake.bmp")), at("pointer default"));
    EXPECT_EQ(f.disk.files.at(f.Game("Lake.gmx")), "lake map");
    EXPECT_EQ(f.disk.files.at(f.Game("Lake.bmp")), "BM lake");
    EXPECT_FALSE(f.disk.HasFile(f.Stored("Lake.gmx")));
    EXPECT_FALSE(f.disk.HasFile(f.Stored("Lake.bmp")));
    EXPECT_EQ(f.gameList.Entries(), (Names{"Lake.gmx"}));
    EXPECT_TRUE(f.storedList.Entries().empty());
    EXPECT_EQ(f.Looks(), "idle");
    EXPECT_EQ(f.pointer.current, PointerShape::Default);
    EXPECT_EQ(std::tuple(f.mover.SelectedStoredMap, f.mover.SelectedGameMap, f.mover.PreviewPicturePath),
              before);
    // The preview still shows the moved map's picture.
    EXPECT_EQ(f.controls.Preview(), f.Stored("Lake.bmp"));
}

TEST(MoverTransfer, AcrossDisksCopiesThenDeletesTheSources) {
    Loaded f;
    f.disk.otherDisks.insert(f.kStored);
    f.ClickStored("Lake.gmx");
    f.ClearLog();
    f.mover.Install();
    // Each copy is made under a hidden name beside its place and then takes
    // its name (never over another file); the sources go only after both.
    const std::string staged = JoinPath(f.kGame, ".tessary-staged-");
    const std::string copies = "copy " + f.Stored("Lake.gmx") + " -> <staged>|move <staged> -> " +
                               f.Game("Lake.gmx") + "|copy " + f.Stored("Lake.bmp") +
                               " -> <staged>|move <staged> -> " + f.Game("Lake.bmp") + "|delete " +
                               f.Stored("Lake.bmp") + "|delete " + f.Stored("Lake.gmx");
    std::string done;
    for (std::string event : f.log) {
        if (event.rfind("move " + f.Stored(""), 0) == 0) continue;  // the rename across disks, refused
        for (auto at = event.find(staged); at != std::string::npos; at = event.find(staged)) {
            const auto end = event.find(' ', at);
            event.replace(at, end == std::string::npos ? std::string::npos : end - at, "<staged>");
        }
        if (event.rfind("copy", 0) == 0 || event.rfind("delete", 0) == 0 || event.rfind("move", 0) == 0)
            done += (done.empty() ? "" : "|") + event;
    }
    EXPECT_EQ(done, copies);
    EXPECT_EQ(f.disk.files.at(f.Game("Lake.gmx")), "lake map");
    EXPECT_EQ(f.disk.files.at(f.Game("Lake.bmp")), "BM lake");
    EXPECT_FALSE(f.disk.HasFile(f.Stored("Lake.gmx")));
    EXPECT_FALSE(f.disk.HasFile(f.Stored("Lake.bmp")));

    // Another program saves a new version over the source while it is
    // copied: the copy holds the old one, the new one stays where it was.
    f.disk.AddFile(f.Game("Elk.gmx"), "elk");
    f.ClickGame("Elk.gmx");
    f.disk.duringCopy = [&](const std::string& from) {
        if (from == f.Game("Elk.gmx")) f.disk.files[from] = "elk, newer";
    };
    f.mover.Store();
    EXPECT_EQ(f.disk.files.at(f.Game("Elk.gmx")), "elk, newer");
    EXPECT_FALSE(f.disk.HasFile(f.Stored("Elk.gmx")));
}

TEST(MoverTransfer, StoreOfAnUpperCaseMapWithoutPictureMovesTheMapAlone) {
    Loaded f;
    f.disk.AddFile(f.Game("Deer.GMX"), "deer map");
    f.disk.AddFile(f.Stored("Deer.bmp"), "BM old deer");
    f.disk.AddFile(f.Stored("Deer.GMX"), "old deer map");
    f.ClickGame("Deer.GMX");
    EXPECT_EQ(f.mover.PreviewPicturePath, f.Game("Deer.bmp"));
    f.ClearLog();
    f.mover.Store();
    EXPECT_EQ(f.disk.files.at(f.Stored("Deer.GMX")), "deer map");
    EXPECT_FALSE(f.disk.HasFile(f.Game("Deer.GMX")));
    // The old picture goes with the old map, and never passes as the new one's.
    EXPECT_FALSE(f.disk.HasFile(f.Stored("Deer.bmp")));
    EXPECT_EQ(f.disk.files.at(JoinPath(fakes::FakeDisk::kTrash, "Deer.bmp")), "BM old deer");
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(std::count(f.log.begin(), f.log.end(), "delete " + f.Game("Deer.bmp")), 0);
    EXPECT_EQ(f.storedList.Entries(), (Names{"Deer.GMX", "Lake.gmx"}));
    EXPECT_EQ(f.Looks(), "idle");
}

// Where a planted failure hits, and what must hold afterwards.
struct FailingStep {
    const char* operation;
    bool mapAtDestination;
    bool mapAtSource;
    bool pictureAtDestination;
    bool pictureAtSource;
};

class MoverTransferFailure : public ::testing::TestWithParam<FailingStep> {};

TEST_P(MoverTransferFailure, NothingIsLostAndTheTransferEndsIdle) {
    const FailingStep& step = GetParam();
    Loaded f;
    f.ClickStored("Lake.gmx");
    std::string operation = step.operation;
    for (auto [from, to] : {std::pair{std::string("<map>"), f.Stored("Lake.gmx")},
                            std::pair{std::string("<picture>"), f.Stored("Lake.bmp")},
                            std::pair{std::string("<game>"), std::string(f.kGame)}}) {
        if (const auto at = operation.find(from); at != std::string::npos)
            operation.replace(at, from.size(), to);
    }
    f.disk.FailOn(operation);
    f.mover.Install();
    EXPECT_EQ(f.disk.HasFile(f.Game("Lake.gmx")), step.mapAtDestination);
    EXPECT_EQ(f.disk.HasFile(f.Stored("Lake.gmx")), step.mapAtSource);
    EXPECT_EQ(f.disk.HasFile(f.Game("Lake.bmp")), step.pictureAtDestination);
    EXPECT_EQ(f.disk.HasFile(f.Stored("Lake.bmp")), step.pictureAtSource);
    EXPECT_EQ(f.Looks(), "idle");
    EXPECT_EQ(f.pointer.current, PointerShape::Default);
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.mover.SelectedStoredMap, f.Stored("Lake.gmx"));
}

INSTANTIATE_TEST_SUITE_P(EachStep, MoverTransferFailure,
                         ::testing::Values(FailingStep{"move <map>", true, false, true, false},
                                           FailingStep{"move <picture>", true, false, true, false},
                                           FailingStep{"list <game>", true, false, true, false}));

// Across disks: a map and its picture move together or not at all, and the
// player is told which map did not move and why.
TEST(MoverTransfer, AcrossDisksAFailingStepMovesNeitherAndSaysSo) {
    for (const std::string step : {"copy <map>", "copy <picture>", "delete <map>", "delete <picture>"}) {
        SCOPED_TRACE(step);
        Loaded f;
        f.disk.otherDisks.insert(f.kStored);
        f.ClickStored("Lake.gmx");
        const std::string path =
            step.find("<map>") != std::string::npos ? f.Stored("Lake.gmx") : f.Stored("Lake.bmp");
        f.disk.FailOn(step.substr(0, step.find(' ') + 1) + path);
        const auto before = f.disk.files;
        f.mover.Install();
        EXPECT_EQ(f.disk.files, before);
        EXPECT_EQ(f.Looks(), "idle");
        ASSERT_EQ(f.messages.shown.size(), 1u);
        const auto& [text, caption] = f.messages.shown[0];
        EXPECT_EQ(text.rfind("\"Lake.gmx\" was not installed.\n\n", 0), 0u) << text;
        EXPECT_NE(text.find("Nothing was lost"), std::string::npos) << text;
        EXPECT_EQ(caption, kApplicationTitle);
    }
}

// The message says why in a player's words, whatever the disk said.
TEST(MoverTransfer, AFailedMoveSaysWhyInAPlayersWords) {
    for (const auto& [number, words] :
         {std::pair{kDiskFull, "The disk is full."}, std::pair{kPermissionDenied, "read-only"},
          std::pair{kFileInUse, "Another program is using"},
          std::pair{kChangedMeanwhile, "both versions were kept"}}) {
        Loaded f;
        f.disk.otherDisks.insert(f.kStored);
        f.ClickStored("Lake.gmx");
        f.disk.FailOn("copy " + f.Stored("Lake.gmx"), number);
        f.mover.Install();
        ASSERT_EQ(f.messages.shown.size(), 1u);
        EXPECT_NE(f.messages.shown[0].first.find(words), std::string::npos) << f.messages.shown[0].first;
    }
}

// Two programs store the same map at once across disks: the second one runs
// its whole transfer while the first is copying. Neither ever removes a file
// it did not put there, so the map survives, and the first says it did not
// store it.
TEST(MoverTransfer, TwoProgramsStoringTheSameMapAtOnceLoseNothing) {
    Loaded first;
    first.disk.otherDisks.insert(first.kStored);
    first.disk.AddFile(first.Game("Elk.gmx"), "elk map");
    first.disk.AddFile(first.Game("Elk.bmp"), "BM elk");
    first.ClickGame("Elk.gmx");
    bool secondRan = false;
    first.disk.duringCopy = [&](const std::string& from) {
        if (secondRan || from != first.Game("Elk.gmx")) return;
        secondRan = true;
        Loaded second;
        const auto share = [](const fakes::FakeDisk& from, fakes::FakeDisk& to) {
            std::tie(to.folders, to.files, to.inodes, to.lastInode, to.liveJournals, to.otherDisks) =
                std::tie(from.folders, from.files, from.inodes, from.lastInode, from.liveJournals,
                         from.otherDisks);
        };
        share(first.disk, second.disk);
        second.mover.Load();
        second.ClickGame("Elk.gmx");
        second.mover.Store();
        EXPECT_TRUE(second.messages.shown.empty());
        share(second.disk, first.disk);
    };
    first.mover.Store();
    ASSERT_TRUE(secondRan);
    EXPECT_EQ(first.disk.files.at(first.Stored("Elk.gmx")), "elk map");
    EXPECT_EQ(first.disk.files.at(first.Stored("Elk.bmp")), "BM elk");
    ASSERT_EQ(first.messages.shown.size(), 1u);
    EXPECT_EQ(first.messages.shown[0].first.rfind("\"Elk.gmx\" was not stored.", 0), 0u);
}

// Without a stored maps folder (it could not be made), nothing moves, never
// to the top of the disk, and the player is told why.
TEST(MoverTransfer, WithoutAStoredMapsFolderNothingMovesAndThePlayerIsTold) {
    MoverFakes f;
    f.disk.FailOn("create " + f.kStored);
    f.disk.AddFile(f.Game("Elk.gmx"), "elk");
    f.mover.Load();
    f.messages.shown.clear();
    f.gameList.selected = "Elk.gmx";
    f.mover.ChooseGameMap();
    const auto before = f.disk.files;
    f.mover.Store();
    EXPECT_EQ(f.disk.files, before);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].first.find(kNoStoredMapsFolderReason), std::string::npos);
}

TEST(MoverTransfer, MissingDestinationFolderDeletesNothing) {
    Loaded f;
    f.disk.AddFile(f.Game("Elk.gmx"), "elk");
    f.disk.AddFile(f.Game("Elk.bmp"), "BM elk");
    f.ClickGame("Elk.gmx");
    f.disk.folders.erase(f.kStored);
    f.disk.files.erase(f.Stored("Lake.gmx"));
    f.disk.files.erase(f.Stored("Lake.bmp"));
    f.ClearLog();
    f.mover.Store();
    EXPECT_TRUE(f.disk.HasFile(f.Game("Elk.gmx")));
    EXPECT_TRUE(f.disk.HasFile(f.Game("Elk.bmp")));
    for (const auto& event : f.log) EXPECT_NE(event.rfind("delete", 0), 0u) << event;
    EXPECT_FALSE(f.disk.IsFolder(f.kStored));
    EXPECT_EQ(f.Looks(), "idle");
}

TEST(MoverTransfer, WithoutAChosenMapNothingHappens) {
    Loaded f;
    f.ClickStored("Lake.gmx");
    f.mover.ForgetStoredMap();
    EXPECT_EQ(f.Looks(), "idle");
    f.ClearLog();
    f.mover.Install();
    // Pressing store before any game map was chosen.
    f.mover.Store();
    // The idle install picture: through the install-ready look, unseen.
    f.mover.FlickInstallIdle();
    EXPECT_TRUE(f.log.empty());
    EXPECT_EQ(f.Looks(), "idle");
    EXPECT_TRUE(f.disk.HasFile(f.Stored("Lake.gmx")));
}

TEST(MoverTransfer, SelectionLostOrOddNameAtThePress) {
    Loaded f;
    f.ClickStored("Lake.gmx");
    f.storedList.selected = "";
    f.ClearLog();
    f.mover.Install();
    for (const auto& event : f.log) {
        EXPECT_NE(event.rfind("copy", 0), 0u) << event;
        EXPECT_NE(event.rfind("delete", 0), 0u) << event;
    }
    EXPECT_TRUE(f.disk.HasFile(f.Stored("Lake.gmx")));
    EXPECT_TRUE(f.disk.HasFile(f.Stored("Lake.bmp")));

    // A name too short for a picture name: the map moves under it, the picture stays.
    f.disk.AddFile(f.Stored("ab"), "short");
    f.ClickStored("ab");
    EXPECT_EQ(f.mover.PreviewPicturePath, "");
    f.mover.Install();
    EXPECT_EQ(f.disk.files.at(f.Game("ab")), "short");
    EXPECT_FALSE(f.disk.HasFile(f.Stored("ab")));
    EXPECT_TRUE(f.disk.HasFile(f.Stored("Lake.bmp")));
}

// Another program adds and deletes maps: the chosen map stays chosen while it
// is listed and is forgotten when it goes; a move is never re-read under.
TEST(MoverTransfer, TheListsFollowTheFoldersAndKeepOutOfAMove) {
    Loaded f;
    f.ClickStored("Lake.gmx");
    f.disk.AddFile(f.Stored("Pond.gmx"), "pond map");
    f.mover.FollowFolders();
    EXPECT_EQ(f.storedList.Entries(), (Names{"Lake.gmx", "Pond.gmx"}));
    EXPECT_EQ(f.storedList.selected, "Lake.gmx");
    EXPECT_EQ(f.mover.SelectedStoredMap, f.Stored("Lake.gmx"));
    EXPECT_EQ(f.Looks(), "install");
    EXPECT_EQ(f.controls.Preview(), f.Stored("Lake.bmp"));

    f.disk.files.erase(f.Stored("Lake.gmx"));
    f.mover.FollowFolders();
    EXPECT_EQ(f.storedList.Entries(), (Names{"Pond.gmx"}));
    EXPECT_EQ(f.mover.SelectedStoredMap, "");
    EXPECT_EQ(f.mover.PreviewPicturePath, "");
    EXPECT_EQ(f.Looks(), "idle");
    EXPECT_EQ(f.controls.Preview(), std::nullopt);
    EXPECT_FALSE(f.controls.NoPictureShown());

    // A move that does not start says so in a message box; a re-read asked
    // for meanwhile waits for the move's end.
    f.ClickStored("Pond.gmx");
    f.storedList.selected.clear();
    std::size_t logAtMessage = 0;
    f.messages.whileShown = [&] {
        f.mover.FollowFolders();
        logAtMessage = f.log.size();
    };
    f.ClearLog();
    f.mover.Install();
    ASSERT_EQ(f.messages.shown.size(), 1u);
    ASSERT_GT(logAtMessage, 0u);
    EXPECT_EQ(f.log.back(), "stored list refresh");
    EXPECT_EQ(std::count(f.log.begin(), f.log.begin() + static_cast<std::ptrdiff_t>(logAtMessage),
                         std::string("stored list refresh")),
              1);  // the move's own re-read only
}

}  // namespace
}  // namespace tessary
