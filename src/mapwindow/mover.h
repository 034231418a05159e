#pragma once
// Mover: the map window's behaviour, one handler per event.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/region_ops.h"

namespace tessary {

class Application;
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

// Image1 to Image22, by number; slot 0 is unused.
inline constexpr std::size_t kImageSlotCount = 23;

// The controls of the map window, reached by name. Image[k] is ImageK
// (index 0 is unused and null).
struct MoverControls {
    FileList& File1;
    FileList& File2;
    std::array<PictureArea*, kImageSlotCount> Image;
    Label& Label1;
};

// The game's maps folder as the start-up found it, and how to forget it when
// it turns out to be gone (the next start then looks for the game again).
struct GameMapsPlace {
    std::string folder;
    std::function<void()> forget;
};

struct MoverServices {
    MoverWindow& window;
    Screen& screen;
    Pointer& pointer;
    MessageBoxes& messages;
    Files& files;
    Shell& shell;
    Application& application;
};

class Mover {
public:
    Mover(GameMapsPlace game, MoverControls controls, MoverServices services);

    // Load and unload steps, and the re-read of both lists.
    void Form_Load();
    void Form_Unload();
    void RefreshMapLists();

    // Event handlers.
    void Image12_MouseDown();  // install
    void Image13_MouseDown();  // store
    void Image2_Click();
    void File1_Click();
    void File2_Click();
    void File2_LostFocus();
    void Form_MouseDown();     // drag by the bare surface
    void Image4_Click();       // quit
    void Image6_MouseDown();   // custom-maps page
    void Image22_MouseDown();  // home page

    // State kept between events.
    std::string PreviewPicturePath;
    std::int16_t NameLength = 0;
    std::string SelectedGameMap;
    std::string SelectedStoredMap;
    RegionHandle ShapeRegion = kNoRegion;

private:
    GameMapsPlace game_;
    // "Stored Maps" inside the game's maps folder.
    std::string storedMapsFolder_;
    MoverControls controls_;
    MoverServices services_;
};

}  // namespace tessary
