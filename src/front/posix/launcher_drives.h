#pragma once
// The drives Tessary examines on Linux: with $WINEPREFIX set, the drives A:
// to O: of that prefix alone; otherwise those of every prefix that
// FindGamePlaces lists, one prefix after another, with each Steam library's
// installed games as one more drive after that library's prefixes.

#include <string>
#include <unordered_map>
#include <vector>

#include "platform/drives.h"
#include "front/posix/game_places.h"
#include "front/posix/wine_drives.h"

namespace tessary {

class LauncherDrives : public Drives {
public:
    // chosenPrefix: the value of WINEPREFIX, empty when it is not set.
    LauncherDrives(std::string chosenPrefix, std::string home);
    // From WINEPREFIX and HOME.
    static LauncherDrives FromEnvironment();

    // Looks the places up when first called.
    int Count() override;
    std::string Root(int index) const override;
    std::int32_t DriveType(const std::string& root) override;
    std::string SearchedPlaces() const override;

private:
    struct Drive {
        std::string root;
        int prefix = -1;  // index into prefixes_, -1 for a plain folder
    };
    void FindPlaces();

    std::string chosenPrefix_;
    std::string home_;
    bool found_ = false;
    std::vector<GamePlace> places_;
    std::vector<WineDrives> prefixes_;
    std::vector<Drive> drives_;
    std::unordered_map<std::string, std::size_t> byRoot_;
};

}  // namespace tessary
