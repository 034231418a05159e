#pragma once
// The program's start: the splash window, the game's maps folder from the
// location cache or a search of the drives, then the main frame.

#include <optional>
#include <string>

namespace tessary {

class Application;
class Drives;
class Files;
class GameFolderChooser;
class LocationCache;
class MainFrame;
class MessageBoxes;
class Pointer;
class Screen;
class SplashWindow;
class TreeSearch;

struct StartupServices {
    Screen& screen;
    Pointer& pointer;
    Application& application;
    MessageBoxes& messages;
    Drives& drives;
    TreeSearch& treeSearch;
    SplashWindow& splash;
    MainFrame& mainFrame;
    LocationCache& cache;
};

// The player's way out when the search does not find the game: the folder
// the player chooses is accepted when it holds the game's executable.
struct GameFolderChoice {
    GameFolderChooser& chooser;
    const Files& files;
};

class StartSequence {
public:
    StartSequence(StartupServices services, GameFolderChoice choice);

    // Shows the splash, finds the game's maps folder and shows the main
    // frame. When the game cannot be found the player may choose its
    // folder; declining ends the process with a non-zero status. A failure
    // after that is shown to the player, the cache is deleted and the
    // splash stays up until the player closes it.
    void Run();

    // The game's maps folder this start found ("" before Run has found it).
    const std::string& GameMapsFolder() const { return gameMapsFolder_; }

private:
    // Searches the drives; when the game is not there, asks the player.
    void SearchTheDrives();
    // The maps folder of the game in a folder the player chooses; ends the
    // process when the player declines.
    std::string MapsFolderThePlayerChooses();
    // The path of the game's executable directly in the folder (its name in
    // any letter case), or nothing.
    std::optional<std::string> GameExeIn(const std::string& folder) const;

    StartupServices services_;
    GameFolderChoice choice_;
    std::string gameMapsFolder_;
};

}  // namespace tessary
