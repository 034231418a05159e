// The start-up sequence against fakes: order of events, progress marks,
// pointer states, the not-found end and the failure path.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/fake_startup.h"
#include "platform/path.h"
#include "startup/start_sequence.h"

namespace tessary {
namespace {

using fakes::EventLog;
using fakes::ProcessEnded;
using fakes::StartupFakes;

const std::string kExe = "Marrowby.exe";

class StartSequenceTest : public ::testing::Test {
protected:
    std::string CachePath() const { return JoinPath(fakes.application.programFolder, "maplog.txt"); }
    std::string Maps(const std::string& gameFolder) const {
        return gameFolder + "Home" + kPathSeparator + "Maps";
    }
    void CacheHolds(const std::string& content) { fakes.files.contents[CachePath()] = content; }

    // The events up to and including the cache read.
    static EventLog Opening() {
        return {"pointer busy", "splash place", "progress 0", "splash show", "pointer busy", "progress 5"};
    }
    // The drive-type pass and the search pass as far as drive `last`.
    static EventLog Scan(int last) {
        EventLog log{"pointer busy", "events"};
        int progress = 5;
        for (int i = 0; i <= 14; ++i) {
            progress += 2;
            log.push_back("progress " + std::to_string(progress));
        }
        log.push_back("pointer default");
        log.push_back("events");
        for (int i = 0; i <= last; ++i) {
            progress += 2;
            log.push_back("progress " + std::to_string(progress));
        }
        return log;
    }
    static void Append(EventLog& log, const EventLog& more) {
        log.insert(log.end(), more.begin(), more.end());
    }

    void Start() {
        StartSequence start(fakes.Services(), fakes.Choice());
        start.Run();
        gameMapsFolder = start.GameMapsFolder();
    }

    StartupFakes fakes;
    std::string gameMapsFolder;
};

TEST_F(StartSequenceTest, TrustedCacheOpensTheMainFrameWithoutScanning) {
    // The folder does not exist anywhere: it is trusted all the same.
    CacheHolds("\"Q:\\Gone\\Home\\Maps\"\r\n");
    Start();

    EventLog expected = Opening();
    Append(expected, {"pointer default", "main frame show", "splash unload"});
    EXPECT_EQ(fakes.log, expected);
    EXPECT_EQ(gameMapsFolder, "Q:\\Gone\\Home\\Maps");
    EXPECT_EQ(fakes.files.writes, 0);
    // Centred: half the screen less half the window, in twips.
    EXPECT_DOUBLE_EQ(fakes.splash.top, 15360.0 / 2 - 2895);
    EXPECT_DOUBLE_EQ(fakes.splash.left, 19200.0 / 2 - 4725);
}

TEST_F(StartSequenceTest, ScanFindsTheGameOnTheFirstFixedDriveThatHoldsIt) {
    // C: is fixed but empty; D: and E: both hold the game; F: is a CD.
    fakes.drives.types = {{0, 2}, {2, 3}, {3, 3}, {4, 3}, {5, 5}};
    fakes.treeSearch.results["D:\\"] = "D:\\Games\\Hunt\\" + kExe;
    fakes.treeSearch.results["E:\\"] = "E:\\" + kExe;
    fakes.treeSearch.results["F:\\"] = "F:\\" + kExe;
    CacheHolds("\"C:\\\"\r\n");  // three characters: not trusted
    Start();

    EventLog expected = Opening();
    Append(expected, Scan(3));
    Append(expected, {"progress 85", "progress 90", "progress 95", "pointer default", "main frame show",
                      "splash unload"});
    EXPECT_EQ(fakes.log, expected);
    EXPECT_EQ(gameMapsFolder, Maps("D:\\Games\\Hunt\\"));
    EXPECT_EQ(fakes.files.contents[CachePath()], "\"" + Maps("D:\\Games\\Hunt\\") + "\"\r\n");
}

TEST_F(StartSequenceTest, FailingSearchOfOneDriveCountsAsNoGameThere) {
    fakes.drives.types = {{2, 3}, {7, 3}};
    fakes.treeSearch.failingRoots["C:\\"] = true;
    fakes.treeSearch.results["H:\\"] = "H:\\" + kExe;
    Start();

    EXPECT_TRUE(fakes.mainFrame.shown);
    EXPECT_EQ(gameMapsFolder, Maps("H:\\"));
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(StartSequenceTest, NoGameAsksAfterDriveOAndDecliningEndsTheProcessWithAFailure) {
    // Every drive fixed, none holds the game; an old cache stays as it was.
    for (int i = 0; i <= 14; ++i) fakes.drives.types[i] = 3;
    fakes.treeSearch.results["P:\\"] = "P:\\" + kExe;  // after O:: never looked at
    CacheHolds("\"ab\"\r\n");
    EXPECT_THROW(StartSequence(fakes.Services(), fakes.Choice()).Run(), ProcessEnded);

    EventLog expected = Opening();
    Append(expected, Scan(14));
    Append(expected, {"ask The game cannot be found on this computer.\n\n"
                      "Do you want to choose the game's folder yourself?",
                      "pointer default", "end process"});
    EXPECT_EQ(fakes.log, expected);
    ASSERT_EQ(fakes.chooser.asked.size(), 1u);
    EXPECT_EQ(fakes.chooser.asked[0].second, "Game not found");
    EXPECT_NE(fakes.application.endStatus, 0);
    EXPECT_FALSE(fakes.mainFrame.shown);
    EXPECT_EQ(fakes.files.writes, 0);
    EXPECT_EQ(fakes.files.deletes, 0);
    EXPECT_EQ(fakes.files.contents[CachePath()], "\"ab\"\r\n");
}

TEST_F(StartSequenceTest, ChosenFolderThatHoldsTheGameGoesOnAndIsCached) {
    const std::string game = JoinPath("Z:", "Hunt");
    fakes.files.contents[JoinPath(game, "MARROWBY.EXE")] = "MZ";
    fakes.files.contents[JoinPath("Z:", "marrowby.exe.txt")] = "";
    // Cancelled once, then a folder without the game, then the game's.
    fakes.chooser.folders = {"", "Z:", game};
    Start();

    ASSERT_EQ(fakes.chooser.asked.size(), 3u);
    EXPECT_EQ(fakes.chooser.asked[2].first,
              "Marrowby.exe is not in the folder Z:.\n\nDo you want to choose the game's folder yourself?");
    const std::string maps = Maps(game + kPathSeparator);
    EXPECT_EQ(gameMapsFolder, maps);
    EXPECT_EQ(fakes.files.contents[CachePath()], "\"" + maps + "\"\r\n");
    EXPECT_TRUE(fakes.mainFrame.shown);
}

TEST_F(StartSequenceTest, ManyDrivesShareOutTheProgressAndTheMessageNamesThePlacesSearched) {
    // Three prefixes of 15 drives and one folder: steps of 30 / 46 never
    // reach the marks early, never go back, and end on 35 and 65.
    fakes.drives.count = 46;
    for (int i = 0; i < 46; ++i) fakes.drives.types[i] = 3;
    fakes.drives.places = "Searched: ~/.wine, 2 Lutris prefixes.";
    EXPECT_THROW(StartSequence(fakes.Services(), fakes.Choice()).Run(), ProcessEnded);

    std::vector<float> values;
    for (const std::string& event : fakes.log) {
        if (event.rfind("progress ", 0) == 0) values.push_back(std::stof(event.substr(9)));
    }
    ASSERT_EQ(values.size(), 2u + 46 + 46);
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
    EXPECT_LT(values[2 + 44], 35);
    EXPECT_EQ(values[2 + 45], 35);
    EXPECT_LT(values[2 + 46 + 44], 65);
    EXPECT_EQ(values.back(), 65);
    ASSERT_EQ(fakes.chooser.asked.size(), 1u);
    EXPECT_EQ(fakes.chooser.asked[0].first.rfind(
                  "The game cannot be found on this computer.\n\nSearched: ~/.wine, 2 Lutris prefixes.\n\n", 0),
              0u);
    EXPECT_EQ(fakes.chooser.asked[0].second, "Game not found");
}

TEST_F(StartSequenceTest, GameOnlyOnDrivesThatAreNotFixedIsNotFound) {
    fakes.drives.types = {{0, 2}, {1, 4}, {2, 5}, {3, 6}, {4, 0}, {5, 7}, {14, 2}};
    for (char letter = 'A'; letter <= 'O'; ++letter) {
        fakes.treeSearch.results[std::string(1, letter) + ":\\"] = std::string(1, letter) + ":\\" + kExe;
    }
    EXPECT_THROW(StartSequence(fakes.Services(), fakes.Choice()).Run(), ProcessEnded);
    EXPECT_EQ(fakes.splash.progress, 65);
}

TEST_F(StartSequenceTest, ShortSearchResultIsNotAGame) {
    fakes.drives.types = {{14, 3}};
    fakes.treeSearch.results["O:\\"] = "O:\\";
    EXPECT_THROW(StartSequence(fakes.Services(), fakes.Choice()).Run(), ProcessEnded);
    EXPECT_FALSE(fakes.mainFrame.shown);
}

TEST_F(StartSequenceTest, FailureAfterTheFrameShowsClosesTheFrameShowsItDeletesTheCacheAndKeepsTheSplash) {
    CacheHolds("\"D:\\Games\\Hunt\\Home\\Maps\"\r\n");
    fakes.mainFrame.failure = RuntimeFailure(kPathNotFound, "Path not found");
    Start();

    EventLog expected = Opening();
    Append(expected, {"pointer default", "main frame show", "main frame unload", "message Path not found, 76",
                      "pointer default"});
    EXPECT_EQ(fakes.log, expected);
    EXPECT_FALSE(fakes.mainFrame.shown);
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].second, "Tessary --- Fennock Marrowby");
    EXPECT_EQ(fakes.files.contents.count(CachePath()), 0u);
    EXPECT_TRUE(fakes.splash.visible);
}

TEST_F(StartSequenceTest, FailurePathGoesOnWhenThereIsNoCacheToDelete) {
    fakes.drives.types = {{2, 3}};
    fakes.treeSearch.results["C:\\"] = "C:\\" + kExe;
    fakes.files.failWrites = true;  // the cache cannot be written either
    fakes.mainFrame.failure = RuntimeFailure(kDiskFull, "Disk full");
    Start();

    EXPECT_EQ(fakes.files.writes, 1);
    EXPECT_EQ(fakes.files.deletes, 1);
    EXPECT_EQ(fakes.log.back(), "pointer default");
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].first, "Disk full, 61");
    EXPECT_TRUE(fakes.splash.visible);
}

}  // namespace
}  // namespace tessary
