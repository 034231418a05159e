// The Wine prefixes and Steam libraries of a home folder, as the game
// launchers leave them, and the drives made of them.
#include <gtest/gtest.h>

#include "front/posix/game_places.h"
#include "front/posix/launcher_drives.h"
#include "front/posix/steam_library_folders.h"
#include "front/posix/tree_search.h"
#include "support/temp_folder.h"
#include "startup/game_search.h"
#include "support/wine_prefix.h"

namespace tessary {
namespace {

using testing::MakePrefix;

std::string LibraryFolders(const std::vector<std::string>& paths) {
    std::string vdf = "\"libraryfolders\"\n{\n";
    for (std::size_t i = 0; i < paths.size(); ++i) {
        std::string escaped;  // as Steam writes it
        for (const char c : paths[i])
            escaped += c == '"' || c == '\\' ? std::string{'\\', c} : std::string{c};
        vdf += "\t\"" + std::to_string(i) + "\"\n\t{\n\t\t\"path\"\t\t\"" + escaped +
               "\"\n\t\t\"label\"\t\t\"\"\n\t\t\"contentid\"\t\t\"4851352945233412365\"\n"
               "\t\t\"apps\"\n\t\t{\n\t\t\t\"228980\"\t\t\"404262992\"\n\t\t}\n\t}\n";
    }
    return vdf + "}\n";
}

TEST(FindGamePlaces, ListsTheLaunchersPrefixesInOrderOnceEachAndSkipsBrokenFiles) {
    testing::TempFolder home;
    testing::TempFolder disk;  // a second Steam library, outside the home folder
    const std::string wine = MakePrefix(home, ".wine");
    // Lutris: a game's YAML names its prefix; ~/Games holds that one and another.
    const std::string lutris = MakePrefix(home, "Games/marrowby");
    const std::string lutrisOther = MakePrefix(home, "Games/Other Game");
    home.Write(".local/share/lutris/games/marrowby-1700000000.yml",
               "game:\n  arch: win64\n  exe: " + lutris +
                   "/drive_c/Games/Hunt/Marrowby.exe\n  prefix: " + lutris + "/\n  working_dir: " + lutris +
                   "/drive_c/Games/Hunt\nname: Fennock Marrowby\n"
                   "runner: wine\nslug: marrowby\nsystem: {}\nwine:\n  version: lutris-7.2-2-x86_64\n");
    home.Write(".config/lutris/games/broken-1700000001.yml", "game:\n  prefix: [unclosed\n\t- :\n");
    home.Write(".config/lutris/games/native-1700000002.yml", "game:\n  exe: /usr/games/x\nrunner: linux\n");
    // Bottles (Flatpak).
    const std::string bottle =
        MakePrefix(home, ".var/app/com.usebottles.bottles/data/bottles/bottles/Hunting");
    home.Write(".var/app/com.usebottles.bottles/data/bottles/bottles/Hunting/bottle.yml", "Name: Hunting\n");
    // Heroic: a game's JSON, then the prefixes folder one and two levels down.
    const std::string heroicNew = MakePrefix(home, "Games/Heroic/Prefixes/default/Fennock");
    const std::string heroicOld = MakePrefix(home, "Games/Heroic/Prefixes/Older");
    home.Write(".config/heroic/GamesConfig/Fennock.json",
               "{\n  \"Fennock\": {\n    \"autoInstallDxvk\": true,\n    \"winePrefix\": \"" + heroicNew +
                   "\",\n    \"wineVersion\": {\"bin\": \"/usr/bin/wine\", \"name\": \"Wine Default\", "
                   "\"type\": \"wine\"}\n  },\n  \"version\": \"v0\",\n  \"explicit\": true\n}\n");
    home.Write(".config/heroic/GamesConfig/Broken.json", "{\"Broken\": {\"winePrefix\": ");
    home.Write(".config/heroic/GamesConfig/Fennock-lastPlay.log", "not settings");
    const std::string pol = MakePrefix(home, ".PlayOnLinux/wineprefix/Marrowby");
    // Steam: the root with a Proton prefix, ~/.steam/steam linking to it,
    // and a second library with its own.
    const std::string steam = home / ".local/share/Steam";
    const std::string proton = MakePrefix(home, ".local/share/Steam/steamapps/compatdata/1149460/pfx");
    home.Folder(".local/share/Steam/steamapps/common");
    home.Folder(".local/share/Steam/steamapps/compatdata/228980");  // no prefix made yet
    home.Write(".local/share/Steam/steamapps/libraryfolders.vdf",
               LibraryFolders({steam, disk / "SteamLibrary"}));
    home.Link(steam, ".steam/steam");
    const std::string proton2 = MakePrefix(disk, "SteamLibrary/steamapps/compatdata/2000/pfx");
    disk.Folder("SteamLibrary/steamapps/common/Fennock Marrowby");
    home.Folder("Games/not-a-prefix/dosdevices");

    const std::vector<std::pair<PlaceKind, std::string>> expected = {
        {PlaceKind::HomeWine, wine},
        {PlaceKind::Lutris, lutris},
        {PlaceKind::Lutris, lutrisOther},
        {PlaceKind::Bottles, bottle},
        {PlaceKind::Heroic, heroicNew},
        {PlaceKind::Heroic, heroicOld},
        {PlaceKind::PlayOnLinux, pol},
        {PlaceKind::SteamProton, proton},
        {PlaceKind::SteamLibrary, steam + "/steamapps/common/"},
        {PlaceKind::SteamProton, proton2},
        {PlaceKind::SteamLibrary, disk / "SteamLibrary/steamapps/common/"},
    };
    const std::vector<GamePlace> places = FindGamePlaces(home.Path());
    std::vector<std::pair<PlaceKind, std::string>> actual;
    for (const GamePlace& place : places) actual.emplace_back(place.kind, place.folder);
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(
        DescribeGamePlaces(places),
        "Searched: ~/.wine, 2 Lutris prefixes, 1 Bottles prefix, 2 Heroic prefixes, 1 PlayOnLinux prefix, "
        "2 Steam Proton prefixes, 2 Steam libraries.\nTo search another Wine prefix, start Tessary with:\n"
        "WINEPREFIX=/path/to/prefix tessary");
}

TEST(SteamLibraryPaths, ReadsBothFileFormsAndPassesOverTheRest) {
    EXPECT_EQ(SteamLibraryPaths(LibraryFolders({"/home/me/.local/share/Steam", "/mnt/Games \"A\"\\B"})),
              (std::vector<std::string>{"/home/me/.local/share/Steam", "/mnt/Games \"A\"\\B"}));
    // The older form; a comment, a condition and a stray brace on the way.
    const std::string old =
        "\"LibraryFolders\"\n{\n// libraries\n\t\"TimeNextStatsReport\"\t\t\"1700000000\"\n"
        "\t\"ContentStatsID\"\t\t\"-512\"\n\t\"1\"\t\t\"/mnt/ssd/SteamLibrary\" [$LINUX]\n"
        "}\n}\n\"other\" { \"path\" \"/not/a/library\" }\n";
    EXPECT_EQ(SteamLibraryPaths(old), std::vector<std::string>{"/mnt/ssd/SteamLibrary"});
    EXPECT_TRUE(SteamLibraryPaths("\"libraryfolders\" { \"0\" { \"path\" ").empty());
}

TEST(LauncherDrives, AChosenPrefixIsSearchedAloneAndTheMessageSaysSo) {
    testing::TempFolder home;
    MakePrefix(home, ".wine");
    const std::string chosen = MakePrefix(home, "chosen");
    LauncherDrives drives(chosen, home.Path());
    ASSERT_EQ(drives.Count(), 15);
    EXPECT_EQ(drives.Root(2), chosen + "/dosdevices/c:/");
    EXPECT_EQ(drives.DriveType(drives.Root(2)), 3);
    EXPECT_EQ(drives.DriveType(drives.Root(3)), 1);
    EXPECT_EQ(drives.SearchedPlaces().substr(0, 40 + chosen.size()),
              "Searched: the Wine prefix " + chosen + " (WINEPREFIX).");

    LauncherDrives fromHome("", home.Path());
    ASSERT_EQ(fromHome.Count(), 15);
    EXPECT_EQ(fromHome.Root(0), home / ".wine/dosdevices/a:/");
}

TEST(LauncherDrives, SearchFindsTheFirstGameInOrderAndWalksEachFolderOnce) {
    testing::TempFolder home;
    testing::TempFolder disk;
    // The Lutris prefix links d: to the home folder, which holds the
    // Steam root; the game is in the second library, outside the home.
    // Its z: (after O:, never searched) leads to another copy, which the
    // walk of the home folder through d: must not reach either.
    const std::string lutris = MakePrefix(home, "Games/marrowby");
    home.Link(home.Path(), "Games/marrowby/dosdevices/d:");
    disk.Write("root/Games/Marrowby.exe", "MZ");
    home.Link(disk / "root", "Games/marrowby/dosdevices/z:");
    home.Write(".local/share/Steam/steamapps/libraryfolders.vdf",
               LibraryFolders({home / ".local/share/Steam", disk / "lib"}));
    home.Folder(".local/share/Steam/steamapps/common/Other");
    disk.Write("lib/steamapps/common/Fennock Marrowby/Marrowby.exe", "MZ");

    LauncherDrives drives("", home.Path());
    PosixTreeSearch search(/*walkEachFolderOnce=*/true);
    std::vector<std::string> found;
    for (int i = 0; i < drives.Count(); ++i) {
        if (drives.DriveType(drives.Root(i)) != 3) continue;
        found.push_back(search.Find(drives.Root(i), "Marrowby.exe"));
        if (!found.back().empty()) break;
    }
    // c:, d: (the whole home folder), the first library's games, the second's.
    EXPECT_EQ(found, (std::vector<std::string>{"", "", "",
                                               disk / "lib/steamapps/common/Fennock Marrowby/Marrowby.exe"}));

    // The home folder was walked with d:; a game put there now is not seen
    // by the same search, while a fresh one finds it.
    home.Write("Games/marrowby/drive_c/Hunt/Marrowby.exe", "MZ");
    EXPECT_EQ(search.Find(lutris + "/dosdevices/c:/", "Marrowby.exe"), "");
    EXPECT_EQ(PosixTreeSearch().Find(lutris + "/dosdevices/c:/", "Marrowby.exe"),
              lutris + "/dosdevices/c:/Hunt/Marrowby.exe");
}

TEST(LauncherDrives, AnEarlierPlacesGameDeepInABigTreeWinsOverALaterPlacesGameNearTheTop) {
    testing::TempFolder home;
    const std::string wine = MakePrefix(home, ".wine");
    std::string deep = "drive_c/Games";
    for (int level = 0; level < 12; ++level) {
        for (int side = 0; side < 8; ++side) home.Folder(".wine/" + deep + "/a" + std::to_string(side) + "/x/y");
        deep += "/b" + std::to_string(level);
    }
    home.Write(".wine/" + deep + "/Marrowby.exe", "MZ");
    home.Write(".local/share/Steam/steamapps/common/Fennock/Marrowby.exe", "MZ");

    LauncherDrives drives("", home.Path());
    PosixTreeSearch treeSearch(/*walkEachFolderOnce=*/true, /*threads=*/2);
    GameSearch search(drives, treeSearch);
    std::vector<float> bar;
    const auto record = [&bar](float value) { bar.push_back(value); };
    search.FindFixedDrives([](float) {});
    EXPECT_EQ(search.FindGameMapsFolder(record), wine + "/dosdevices/c:/" +
                                                      deep.substr(std::string("drive_c/").size()) + "/Home/Maps");
    // The bar stops at C: of ~/.wine (drive 3 of 16), as a search of one
    // drive after another does.
    EXPECT_EQ(bar, (std::vector<float>{35 + 30.0f * 1 / 16, 35 + 30.0f * 2 / 16, 35 + 30.0f * 3 / 16}));
}

}  // namespace
}  // namespace tessary
