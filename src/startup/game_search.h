#pragma once
// The search of the computer's drives for the game, when no location cache
// names its maps folder.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tessary {

class Drives;
class TreeSearch;

inline constexpr const char* kGameExeName = "Marrowby.exe";

// A path of three characters or fewer ("C:\") names no game and no maps
// folder.
inline bool NamesAPlace(const std::string& path) { return path.size() > 3; }

// The maps folder of the game whose executable is at gameExePath (its name
// in any letter case): the game's folder, then "Home" and "Maps".
std::string GameMapsFolderOf(const std::string& gameExePath);

// Told the progress bar's value before each drive of each pass.
using SearchProgress = std::function<void(float)>;

class GameSearch {
public:
    GameSearch(Drives& drives, TreeSearch& treeSearch);

    // The first pass: asks every drive, in order, for its type (the bar goes
    // from 5 to 35).
    void FindFixedDrives(const SearchProgress& progress);
    // The second pass, after the first: searches the fixed drives in order
    // for the game (the bar goes from 35 to 65, and stops at the drive that
    // holds it). The maps folder of the first game found, or nothing. A
    // drive that cannot be searched counts as a drive without the game.
    std::optional<std::string> FindGameMapsFolder(const SearchProgress& progress);

private:
    Drives& drives_;
    TreeSearch& treeSearch_;
    // One entry a drive, from the first pass.
    std::vector<bool> fixed_;
};

}  // namespace tessary
