#pragma once
// The program's start: the splash window, the game's maps folder from the
// location cache or a search of the drives, then the main frame.

#include <string>

namespace tessary {

class Application;
class Drives;
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

class StartSequence {
public:
    explicit StartSequence(StartupServices services);

    // Shows the splash, finds the game's maps folder and shows the main
    // frame. Ends the process when the game cannot be found. A failure
    // after that is shown to the player, the cache is deleted and the
    // splash stays up until the player closes it.
    void Run();

    // The game's maps folder this start found ("" before Run has found it).
    const std::string& GameMapsFolder() const { return gameMapsFolder_; }

private:
    // Searches the drives, ending the process when the game is not there.
    void SearchTheDrives();

    StartupServices services_;
    std::string gameMapsFolder_;
};

}  // namespace tessary
