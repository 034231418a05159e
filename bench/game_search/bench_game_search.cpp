// The whole game search of a Linux start with no WINEPREFIX: finding the
// launchers' prefixes and Steam's libraries, the drive-type pass and the
// search pass, as the start-up runs them.
//
//   bench_game_search make WORK
//       builds WORK/home and WORK/disk2: five launcher prefixes (~/.wine,
//       Lutris, Bottles, Heroic, PlayOnLinux; Lutris and Heroic link d: to
//       the home folder), a Steam root whose second library is on "disk2",
//       200,000 files in all, the game in the second library's
//       steamapps/common.
//   bench_game_search search HOME [THREADS]
//       prints the maps folder of the first game found, or nothing, and on
//       stderr how many folders were read; THREADS reads that many folders
//       at once (default: one a core).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "front/posix/launcher_drives.h"
#include "front/posix/tree_search.h"
#include "startup/game_search.h"

namespace {

namespace fs = std::filesystem;

void Write(const std::string& path, const std::string& text) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// A folder tree of `files` empty files, 12 a folder, each folder with up to
// six subfolders, filled breadth first.
void MakeTree(const std::string& root, int files) {
    constexpr int kFilesPerFolder = 12;
    constexpr int kFanOut = 6;
    const int folderCount = (files + kFilesPerFolder - 1) / kFilesPerFolder;
    std::vector<std::string> folders{root};
    fs::create_directories(root);
    for (int i = 1; i < folderCount; ++i) {
        folders.push_back(folders[(i - 1) / kFanOut] + "/Folder " + std::to_string(i));
        fs::create_directory(folders.back());
    }
    for (int made = 0; made < files; ++made) {
        const std::string file =
            folders[made / kFilesPerFolder] + "/file_" + std::to_string(made) + (made % 3 ? ".dll" : ".dat");
        ::close(::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
    }
}

void MakePrefix(const std::string& prefix, int files, const std::string& linkD) {
    Write(prefix + "/system.reg",
          "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n"
          "[Software\\\\Wine\\\\Drives] 1700000000\n#time=1da0b1c2d3e4f50\n");
    Write(prefix + "/user.reg", "WINE REGISTRY Version 2\n");
    fs::create_directories(prefix + "/dosdevices");
    fs::create_symlink("../drive_c", prefix + "/dosdevices/c:");
    fs::create_symlink("/", prefix + "/dosdevices/z:");
    if (!linkD.empty()) fs::create_symlink(linkD, prefix + "/dosdevices/d:");
    MakeTree(prefix + "/drive_c/windows", files / 2);
    MakeTree(prefix + "/drive_c/Program Files", files - files / 2);
}

int Make(const std::string& work) {
    const std::string home = work + "/home";
    const std::string disk = work + "/disk2";
    MakePrefix(home + "/.wine", 21000, "");
    const std::string lutris = home + "/Games/fennock-marrowby";
    MakePrefix(lutris, 21000, home);
    Write(home + "/.local/share/lutris/games/fennock-marrowby-1700000000.yml",
          "game:\n  exe: " + lutris + "/drive_c/Games/Hunt/Marrowby.exe\n  prefix: " + lutris +
              "\nname: Fennock Marrowby\nrunner: wine\nslug: fennock-marrowby\n");
    MakePrefix(home + "/.local/share/bottles/bottles/Hunting", 21000, "");
    const std::string heroic = home + "/Games/Heroic/Prefixes/default/Fennock";
    MakePrefix(heroic, 21000, home);
    Write(home + "/.config/heroic/GamesConfig/Fennock.json",
          "{\"Fennock\": {\"winePrefix\": \"" + heroic + "\", \"wineVersion\": {\"type\": \"wine\"}}}\n");
    MakePrefix(home + "/.PlayOnLinux/wineprefix/Marrowby", 21000, "");

    const std::string steam = home + "/.local/share/Steam";
    const std::string library = disk + "/SteamLibrary";
    Write(steam + "/steamapps/libraryfolders.vdf", "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"" +
                                                       steam + "\"\n\t}\n\t\"1\"\n\t{\n\t\t\"path\"\t\t\"" +
                                                       library + "\"\n\t}\n}\n");
    MakePrefix(steam + "/steamapps/compatdata/1000/pfx", 5000, "");
    MakeTree(steam + "/steamapps/common/Aurora", 15000);
    MakeTree(steam + "/steamapps/common/Coldharbour", 15000);
    MakePrefix(library + "/steamapps/compatdata/2000/pfx", 5000, "");
    MakeTree(library + "/steamapps/common/Brightwater", 25000);
    MakeTree(library + "/steamapps/common/Fennock Marrowby Edition", 4999);
    Write(library + "/steamapps/common/Fennock Marrowby Edition/Marrowby.exe", "MZ");
    // Seventeen settings and registry files make up the rest of the 200,000.
    MakeTree(library + "/steamapps/common/Zephyr", 24983);
    return 0;
}

int Search(const std::string& home, unsigned threads) {
    // The two passes of the start-up, without the windows.
    tessary::LauncherDrives drives("", home);
    tessary::PosixTreeSearch treeSearch(/*walkEachFolderOnce=*/true, threads);
    tessary::GameSearch search(drives, treeSearch);
    const auto noBar = [](float) {};
    const auto start = std::chrono::steady_clock::now();
    const int driveCount = drives.Count();
    const auto placesFound = std::chrono::steady_clock::now();
    search.FindFixedDrives(noBar);
    const auto typesKnown = std::chrono::steady_clock::now();
    const std::optional<std::string> found = search.FindGameMapsFolder(noBar);
    const auto end = std::chrono::steady_clock::now();
    if (!found) return 1;
    std::printf("%s\n", found->c_str());
    const auto ms = [](auto from, auto to) { return std::chrono::duration<double, std::milli>(to - from).count(); };
    std::fprintf(stderr, "%d drives: places %.1f ms, drive types %.1f ms, search %.1f ms; %zu folders read\n",
                 driveCount, ms(start, placesFound), ms(placesFound, typesKnown), ms(typesKnown, end),
                 treeSearch.FoldersRead());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "make") return Make(args[1]);
    if (args.size() == 2 && args[0] == "search") return Search(args[1], 0);
    if (args.size() == 3 && args[0] == "search") return Search(args[1], std::stoul(args[2]));
    std::fprintf(stderr, "usage: %s make WORK | search HOME [THREADS]\n", argv[0]);
    return 2;
}
