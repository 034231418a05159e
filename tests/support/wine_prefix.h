#pragma once
// Wine prefixes and launcher files laid out in test folders.

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "support/temp_folder.h"

namespace tessary::testing {

inline const std::string kPrefixSystemReg =
    "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n"
    "[Software\\\\Wine\\\\Drives] 1700000000\n#time=1da0b1c2d3e4f50\n\"d:\"=\"hd\"\n";

// A prefix as wineboot leaves it: system.reg, drive_c and dosdevices/c:.
inline std::string MakePrefix(const TempFolder& home, const std::string& relative) {
    home.Write(relative + "/system.reg", kPrefixSystemReg);
    home.Write(relative + "/user.reg", "WINE REGISTRY Version 2\n");
    home.Folder(relative + "/drive_c/windows/system32");
    home.Link("../drive_c", relative + "/dosdevices/c:");
    return home / relative;
}

// Copies the launchers' files of tests/data/launchers/<layout>/home and
// .../disk into `home` and `disk`, with "@HOME@" and "@DISK@" in their text
// standing for those folders.
inline void CopyLauncherFiles(const std::string& layout, const TempFolder& home, const TempFolder& disk) {
    const char* source = std::getenv("TESSARY_SOURCE_DIR");
    if (source == nullptr) throw std::runtime_error("TESSARY_SOURCE_DIR is not set");
    const std::filesystem::path top = std::filesystem::path(source) / "tests/data/launchers" / layout;
    if (!std::filesystem::is_directory(top)) throw std::runtime_error("no launcher files for " + layout);
    for (const auto& [part, target] : {std::pair{"home", &home}, std::pair{"disk", &disk}}) {
        if (!std::filesystem::is_directory(top / part)) continue;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(top / part)) {
            if (!entry.is_regular_file()) continue;
            std::string text = ReadAll(entry.path().string());
            for (const auto& [token, folder] :
                 {std::pair{"@HOME@", home.Path()}, std::pair{"@DISK@", disk.Path()}}) {
                for (auto at = text.find(token); at != std::string::npos;
                     at = text.find(token, at + folder.size()))
                    text.replace(at, std::string(token).size(), folder);
            }
            target->Write(std::filesystem::relative(entry.path(), top / part).string(), text);
        }
    }
}

}  // namespace tessary::testing
