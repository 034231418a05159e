#include "front/posix/launcher_drives.h"

#include <sys/stat.h>

#include <cstdlib>

namespace tessary {

namespace {
constexpr int kDrivesOfAPrefix = 15;
}

LauncherDrives::LauncherDrives(std::string chosenPrefix, std::string home)
    : chosenPrefix_(std::move(chosenPrefix)), home_(std::move(home)) {}

LauncherDrives LauncherDrives::FromEnvironment() {
    const char* prefix = std::getenv("WINEPREFIX");
    const char* home = std::getenv("HOME");
    return LauncherDrives(prefix != nullptr ? prefix : "", home != nullptr ? home : "");
}

int LauncherDrives::Count() {
    if (!found_) FindPlaces();
    return static_cast<int>(drives_.size());
}

std::string LauncherDrives::Root(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= drives_.size()) return {};
    return drives_[index].root;
}

std::int32_t LauncherDrives::DriveType(const std::string& root) {
    const auto it = byRoot_.find(root);
    if (it == byRoot_.end()) return 1;
    const Drive& drive = drives_[it->second];
    if (drive.prefix >= 0) return prefixes_[drive.prefix].DriveType(root);
    struct stat info {};
    return ::stat(root.c_str(), &info) == 0 && S_ISDIR(info.st_mode) ? 3 : 1;
}

std::string LauncherDrives::SearchedPlaces() const { return DescribeGamePlaces(places_); }

void LauncherDrives::FindPlaces() {
    found_ = true;
    if (!chosenPrefix_.empty()) {
        places_ = {{PlaceKind::ChosenPrefix, chosenPrefix_}};
    } else {
        places_ = FindGamePlaces(home_);
    }
    for (const GamePlace& place : places_) {
        if (place.kind == PlaceKind::SteamLibrary) {
            drives_.push_back({place.folder, -1});
            continue;
        }
        prefixes_.emplace_back(place.folder);
        for (int letter = 0; letter < kDrivesOfAPrefix; ++letter) {
            drives_.push_back({prefixes_.back().Root(letter), static_cast<int>(prefixes_.size()) - 1});
        }
    }
    for (std::size_t i = 0; i < drives_.size(); ++i) byRoot_.emplace(drives_[i].root, i);
}

}  // namespace tessary
