#pragma once
// The Linux program's command line and the checks made before any window:
// what the arguments ask for, the texts printed for them, and whether there
// is a display to open a window on.

#include <string>
#include <vector>

namespace tessary {

inline constexpr const char* kProgramVersion = "1.00";

enum class CommandLineRequest { Run, Usage, Version, Misuse };

struct CommandLine {
    CommandLineRequest request = CommandLineRequest::Run;
    // Files, folders or archives to add to the game's maps folder as if they
    // were dropped on the map window: full paths, their bytes as given.
    std::vector<std::string> files;
};

// No argument runs the program; "-h"/"--help" or "--version" alone asks for
// a text; other arguments are files to add ("--" ends the options, so a
// file's name may start with "-"), relative ones taken from workingFolder.
// Any other option, an empty argument, or a relative file with no working
// folder is a misuse.
CommandLine ReadCommandLine(int argc, const char* const* argv, const std::string& workingFolder);

// The text "--help" prints: what the program does, WINEPREFIX, the cache.
std::string UsageText();
// The text "--version" prints: "Tessary 1.00" and a line end.
std::string VersionText();

// One line saying why no window can be opened when the environment names no
// display (DISPLAY, WAYLAND_DISPLAY) and no window platform (QT_QPA_PLATFORM);
// "" when it names one.
std::string MissingDisplayText();

}  // namespace tessary
