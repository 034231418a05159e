#include "front/posix/command_line.h"

#include <cstdlib>
#include <string_view>

namespace tessary {

namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

}  // namespace

CommandLine ReadCommandLine(int argc, const char* const* argv, const std::string& workingFolder) {
    if (argc == 2) {
        const std::string_view argument = argv[1];
        if (argument == "-h" || argument == "--help") return {CommandLineRequest::Usage, {}};
        if (argument == "--version") return {CommandLineRequest::Version, {}};
    }
    CommandLine line;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (options && argument == "--") {
            options = false;
            continue;
        }
        if ((options && argument.starts_with('-')) || argument.empty())
            return {CommandLineRequest::Misuse, {}};
        if (argument.starts_with('/')) {
            line.files.emplace_back(argument);
        } else if (workingFolder.empty()) {
            return {CommandLineRequest::Misuse, {}};
        } else {
            line.files.push_back(workingFolder + (workingFolder.ends_with('/') ? "" : "/") +
                                 std::string(argument));
        }
    }
    return line;
}

std::string UsageText() {
    return "Usage: tessary [--] [FILE...]\n"
           "       tessary --help | --version\n"
           "\n"
           "Tessary shows the maps of Fennock Marrowby Edition that are in the game\n"
           "(Home/Maps/*.gmx, with a .bmp preview of the same name) and those kept aside\n"
           "in its \"Stored Maps\" folder, and moves a map with its preview between the two.\n"
           "\n"
           "It looks for Marrowby.exe on the fixed drives A: to O: of the Wine prefix\n"
           "named by WINEPREFIX, for example:\n"
           "    WINEPREFIX=~/Games/my-prefix tessary\n"
           "Without WINEPREFIX it searches ~/.wine, then the prefixes of Lutris, Bottles,\n"
           "Heroic and PlayOnLinux, then Steam's Proton prefixes and installed games.\n"
           "The maps folder it finds is remembered in maplog.txt beside the program or,\n"
           "where that folder cannot be written, in $XDG_CACHE_HOME/tessary/maplog.txt\n"
           "(else ~/.cache/tessary/maplog.txt). Delete that file to make it search again.\n"
           "\n"
           "Each FILE (a map, a picture, a folder, or a zip or 7z archive) is added to the\n"
           "game's maps folder as if dropped on the map window: Tessary lists the maps\n"
           "found and adds them once you agree. A Tessary already running takes them.\n"
           "\n"
           "  -h, --help     print this text and exit\n"
           "      --version  print the version and exit\n"
           "      --         what follows is a FILE even where it starts with \"-\"\n";
}

std::string VersionText() { return std::string("Tessary ") + kProgramVersion + "\n"; }

std::string MissingDisplayText() {
    if (IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM")) return "";
    return "tessary: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set)\n";
}

}  // namespace tessary
