#pragma once
// Mover: the map window's behaviour, one handler per event.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "forms/mover_layout.h"
#include "platform/region_ops.h"

namespace tessary {

class Application;
class DropReader;
class FileList;
class Files;
class Label;
class MessageBoxes;
class MoverWindow;
class PictureArea;
class Pointer;
class Screen;
class Shell;

inline constexpr const char* kMapPattern = "*.gmx; *.GMX";
inline constexpr const char* kStoredMapsName = "Stored Maps";

// Where dropped or opened files go: the game's maps folder or "Stored Maps".
enum class DropTarget { GameMaps, StoredMaps };

// The controls of the map window the behaviour works with.
struct MoverControls {
    FileList& gameList;
    FileList& storedList;
    Label& noPictureLabel;
    // Every picture area at its control's row; null at the other rows.
    std::array<PictureArea*, kMoverControlCount> pictures;

    PictureArea& Picture(MapControl control) const { return *pictures[Row(control)]; }
};

// The game's maps folder as the start-up found it, and how to forget it when
// it turns out to be gone (the next start then looks for the game again).
struct GameMapsPlace {
    std::string folder;
    std::function<void()> forget;
};

// The program's services the map window's behaviour works with.
struct MoverWindowServices {
    Screen& screen;
    Pointer& pointer;
    MessageBoxes& messages;
    Files& files;
    Shell& shell;
    Application& application;
};

class Mover {
public:
    Mover(GameMapsPlace game, MoverControls controls, MoverWindow& window,
          const MoverWindowServices& services);

    // The window's load and unload steps, and the re-read of both lists.
    void Load();
    void Unload();
    void RefreshMapLists();
    // Both lists re-read because their folders changed on disk or the player
    // asked for it. The chosen map stays chosen and highlighted while its
    // name is still listed; when it is gone it is forgotten: idle looks and
    // no preview. A re-read asked for during a move waits for the move's end.
    void FollowFolders();

    // What the player does.
    void Install();           // the install button pressed
    void Store();             // the store button pressed
    void FlickInstallIdle();  // the idle install place clicked: it flicks and stays idle
    void ChooseGameMap();     // a map picked in the game maps list
    void ChooseStoredMap();   // a map picked in the stored maps list
    void ForgetStoredMap();   // the stored maps list lost the focus
    // Return in a list: its highlighted map moves to the other side, as if
    // it were clicked and then the store or install button pressed.
    void StoreHighlightedMap();
    void InstallHighlightedMap();
    void StartDrag();         // the bare surface pressed
    void Quit();
    void OpenCustomMapsPage();
    void OpenHomePage();
    // Files, folders or archives dropped on the window or opened with the
    // program (full paths), read through reader: the maps and pictures found
    // in them go to the target's folder once the player agrees.
    void AddDroppedFiles(const std::vector<std::string>& paths, DropTarget target, const DropReader& reader);

    // State kept between events.
    std::string PreviewPicturePath;
    std::string SelectedGameMap;
    std::string SelectedStoredMap;
    RegionHandle ShapeRegion = kNoRegion;

private:
    // Runs a move; a re-read of the lists asked for meanwhile (the folders
    // change under the move, a message box lets other events through) runs
    // once the move has ended.
    void WhileMoving(const std::function<void()>& move);

    bool moving_ = false;
    bool followWaiting_ = false;
    GameMapsPlace game_;
    // "Stored Maps" inside the game's maps folder.
    std::string storedMapsFolder_;
    MoverControls controls_;
    MoverWindow& window_;
    MoverWindowServices services_;
};

}  // namespace tessary
