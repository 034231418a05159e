#pragma once
// Module1: the program-wide state and the start-up procedure Main.

#include <cstdint>
#include <string>
#include <vector>

#include "forms/message_title.h"

namespace tessary {

class Application;
class Drives;
class Files;
class MainFrame;
class MessageBoxes;
class Pointer;
class Screen;
class SplashWindow;
class TextFiles;
class TreeSearch;

inline constexpr const char* kGameExeName = "Marrowby.exe";
inline constexpr const char* kLocationCacheName = "maplog.txt";

struct StartupServices {
    Screen& screen;
    Pointer& pointer;
    Application& application;
    MessageBoxes& messages;
    TextFiles& textFiles;
    Drives& drives;
    TreeSearch& treeSearch;
    SplashWindow& splash;
    MainFrame& mainFrame;
    // Deletes the location cache.
    Files& files;
};

class Module1 {
public:
    explicit Module1(StartupServices services);

    // The start-up sequence: splash, cache or drive scan, main frame.
    void Main();

    // Drive pieces of the game search.
    void SetDriveRoot();
    // The full path of the first file named fileName under root, or empty;
    // every failure gives empty.
    std::string FindFileInTree(const std::string& root, const std::string& fileName);

    // The location cache in use: beside the program, or in the user's cache
    // folder when the program's folder is no place for it. Reading tries the
    // one in use first, then one beside the program (never beside a program
    // installed for every user).
    std::string LocationCachePath() const;
    void ReadLocationCache();
    void WriteLocationCache();
    // Deletes the cache in use and the one that was read; one that cannot be
    // deleted is passed over by the next start.
    void DeleteLocationCache();

    // Program-wide state, alive for the whole run. A machine has 15 drives;
    // on Linux the drives of several Wine prefixes follow one another.
    std::int32_t DriveIndex = 0;
    std::string DriveRoot;
    std::int32_t DriveTypeCode = 0;
    std::vector<std::string> DriveTypeNames;
    std::string GameExePath;
    std::string GameMapsFolder;
    // Written only by the map window.
    std::string StoredMapsFolder;

private:
    // Writes the cache in use, making the user's cache folder if needed;
    // failures are ignored.
    void WriteCacheFile(const std::string& text);

    StartupServices services_;
    // The cache file ReadLocationCache read, "" when it read none.
    std::string cacheRead_;
};

// The drive-type name recorded for a drive-type code, or nullptr when the
// code has none (the entry keeps its value).
const char* DriveTypeName(std::int32_t code);

// The game maps folder for a found game executable path: the path without
// its last strlen(kGameExeName) characters, followed by "Home" and "Maps".
std::string DeriveGameMapsFolder(const std::string& gameExePath);

}  // namespace tessary
