#pragma once
// The Linux program's command line and the checks made before any window:
// what the arguments ask for, the texts printed for them, and whether there
// is a display to open a window on.

#include <string>

namespace tessary {

inline constexpr const char* kProgramVersion = "1.00";

enum class CommandLineRequest { Run, Usage, Version, Misuse };

// No argument runs the program; "-h"/"--help" and "--version" ask for a
// text; anything else is a misuse.
CommandLineRequest ReadCommandLine(int argc, const char* const* argv);

// The text "--help" prints: what the program does, WINEPREFIX, the cache.
std::string UsageText();
// The text "--version" prints: "Tessary 1.00" and a line end.
std::string VersionText();

// One line saying why no window can be opened when the environment names no
// display (DISPLAY, WAYLAND_DISPLAY) and no window platform (QT_QPA_PLATFORM);
// "" when it names one.
std::string MissingDisplayText();

}  // namespace tessary
