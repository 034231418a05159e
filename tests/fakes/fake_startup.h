#pragma once
// Fakes of the services the start-up sequence uses. What the player would
// see (the pointer, the splash and its bar, messages, the main frame) goes
// to one shared event log, so a test can check its order.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/application.h"
#include "platform/drives.h"
#include "platform/failure.h"
#include "platform/files.h"
#include "platform/game_folder_chooser.h"
#include "platform/message_boxes.h"
#include "platform/path.h"
#include "platform/pointer.h"
#include "platform/screen.h"
#include "platform/startup_windows.h"
#include "startup/location_cache.h"
#include "startup/start_sequence.h"

namespace tessary::fakes {

using EventLog = std::vector<std::string>;

inline std::string FormatNumber(double value) {
    std::string text = std::to_string(value);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    return text;
}

class FakeScreen : public Screen {
public:
    double WidthTwips() const override { return 19200; }
    double HeightTwips() const override { return 15360; }
    double TwipsPerPixelX() const override { return 15; }
    double TwipsPerPixelY() const override { return 15; }
};

class FakePointer : public Pointer {
public:
    explicit FakePointer(EventLog& log) : log_(log) {}
    void Set(PointerShape shape) override {
        current = shape;
        log_.push_back(shape == PointerShape::Busy ? "pointer busy" : "pointer default");
    }
    PointerShape current = PointerShape::Default;

private:
    EventLog& log_;
};

// Thrown by FakeApplication::EndProcess in place of ending the test process.
struct ProcessEnded {};

class FakeApplication : public Application {
public:
    explicit FakeApplication(EventLog& log) : log_(log) {}
    void ProcessPendingEvents() override { log_.push_back("events"); }
    [[noreturn]] void EndProcessWithStatus(int status) override {
        endStatus = status;
        log_.push_back("end process");
        throw ProcessEnded{};
    }
    std::string ProgramFolder() const override { return programFolder; }
    std::string UserCacheFolder() const override { return userCacheFolder; }
    bool InstalledForAllUsers() const override { return installedForAllUsers; }
    std::string programFolder = "/opt/tessary";
    // Set when the program's folder is not writable, or it is installed.
    std::string userCacheFolder;
    bool installedForAllUsers = false;
    int endStatus = -1;

private:
    EventLog& log_;
};

class FakeMessageBoxes : public MessageBoxes {
public:
    explicit FakeMessageBoxes(EventLog& log) : log_(log) {}
    void ShowOk(const std::string& text, const std::string& caption) override {
        shown.emplace_back(text, caption);
        log_.push_back("message " + text);
        if (whileShown) whileShown();
    }
    bool AskOkCancel(const std::string& text, const std::string& caption) override {
        asked.emplace_back(text, caption);
        log_.push_back("ask " + text);
        if (whileShown) whileShown();
        return answerOk;
    }
    std::vector<std::pair<std::string, std::string>> shown;
    std::vector<std::pair<std::string, std::string>> asked;
    // The player's answer to every question.
    bool answerOk = true;
    // Runs while a message is up, as other events may.
    std::function<void()> whileShown;

private:
    EventLog& log_;
};

// Text files and file deletion in memory.
class FakeFileStore : public TextFiles, public Files {
public:
    std::string ReadStart(const std::string& path, std::size_t maxBytes) override {
        const auto it = contents.find(path);
        if (it == contents.end()) throw RuntimeFailure(kFileNotFound, "File not found");
        lastReadLimit = maxBytes;
        return it->second.substr(0, maxBytes);
    }
    void WriteWhole(const std::string& path, const std::string& bytes) override {
        ++writes;
        if (failWrites) throw RuntimeFailure(kPermissionDenied, "Permission denied");
        if (missingFolders.count(Parent(path)) != 0) throw RuntimeFailure(kPathNotFound, "Path not found");
        contents[path] = bytes;
    }
    void Copy(const std::string&, const std::string&) override { throw std::logic_error("not used"); }
    void Delete(const std::string& path) override {
        ++deletes;
        if (undeletable.count(path) != 0) throw RuntimeFailure(kPermissionDenied, "Permission denied");
        if (contents.erase(path) == 0) throw RuntimeFailure(kFileNotFound, "File not found");
    }
    void CreateFolder(const std::string& path) override {
        if (missingFolders.count(Parent(path)) != 0) throw RuntimeFailure(kPathNotFound, "Path not found");
        if (missingFolders.erase(path) == 0) throw RuntimeFailure(kFileAlreadyExists, "Already there");
    }
    std::string MoveToTrash(const std::string&) override { throw std::logic_error("not used"); }
    void Move(const std::string&, const std::string&) override { throw std::logic_error("not used"); }
    bool FileExists(const std::string& path) const override { return contents.count(path) != 0; }
    FileStamp Stamp(const std::string&) const override { throw std::logic_error("not used"); }
    std::vector<std::string> NamesIn(const std::string& folder) const override {
        std::vector<std::string> names;
        for (const auto& [path, bytes] : contents) {
            if (Parent(path) == folder) names.push_back(path.substr(folder.size() + 1));
        }
        return names;
    }
    void RemoveTemporaryFiles(const std::string&) override { throw std::logic_error("not used"); }
    std::unique_ptr<NewFile> CreateNewFile(const std::string&) override {
        throw std::logic_error("not used");
    }
    void RemoveFolder(const std::string&) override { throw std::logic_error("not used"); }
    bool FolderExists(const std::string&) const override { throw std::logic_error("not used"); }
    bool NameTaken(const std::string& path) const override { return FileExists(path); }
    std::unique_ptr<Journal> StartJournal(const std::string&) override { throw std::logic_error("not used"); }
    std::vector<AbandonedJournal> AbandonedJournals(const std::string&) override {
        throw std::logic_error("not used");
    }

    static std::string Parent(const std::string& path) {
        return path.substr(0, path.find_last_of(kPathSeparator));
    }

    std::map<std::string, std::string> contents;
    // Folders that do not exist until CreateFolder makes them; every other folder exists.
    std::set<std::string> missingFolders;
    // Files that Delete refuses to remove (their folder cannot be written).
    std::set<std::string> undeletable;
    bool failWrites = false;
    int writes = 0;
    int deletes = 0;
    std::size_t lastReadLimit = 0;
};

// Drive i has the root "<letter>:\" and the type types[i] (1 when unset);
// drives after O: go on with the characters after "O".
class FakeDrives : public Drives {
public:
    int Count() override { return count; }
    std::string SearchedPlaces() const override { return places; }
    std::string Root(int index) const override { return std::string(1, char('A' + index)) + ":\\"; }
    std::int32_t DriveType(const std::string& root) override {
        const int index = root[0] - 'A';
        const auto it = types.find(index);
        return it == types.end() ? 1 : it->second;
    }
    std::map<int, std::int32_t> types;
    int count = 15;
    std::string places;
};

// Each root holds at most the game, found at results[root].
class FakeTreeSearch : public TreeSearch {
public:
    std::string Find(const std::string& root, const std::string& fileName) override {
        if (fileName != "Marrowby.exe") return {};
        if (failingRoots.count(root) != 0) throw RuntimeFailure(kDeviceIOError, "Device I/O error");
        const auto it = results.find(root);
        return it == results.end() ? std::string() : it->second;
    }
    std::map<std::string, std::string> results;
    std::map<std::string, bool> failingRoots;
};

// The player says yes to the question while folders are queued, and picks
// them one by one in the folder dialog ("" stands for cancelling it).
class FakeGameFolderChooser : public GameFolderChooser {
public:
    explicit FakeGameFolderChooser(EventLog& log) : log_(log) {}
    bool AskToChoose(const std::string& text, const std::string& caption) override {
        asked.emplace_back(text, caption);
        log_.push_back("ask " + text);
        return !folders.empty();
    }
    std::string ChooseFolder(const std::string&) override {
        const std::string folder = folders.front();
        folders.pop_front();
        log_.push_back("choose " + folder);
        return folder;
    }
    std::deque<std::string> folders;
    std::vector<std::pair<std::string, std::string>> asked;

private:
    EventLog& log_;
};

class FakeSplash : public SplashWindow {
public:
    explicit FakeSplash(EventLog& log) : log_(log) {}
    void SetTopLeft(double topTwips, double leftTwips) override {
        top = topTwips;
        left = leftTwips;
        log_.push_back("splash place");
    }
    void SetProgress(float value) override {
        progress = value;
        log_.push_back("progress " + FormatNumber(value));
    }
    float Progress() const override { return progress; }
    void Show() override {
        visible = true;
        log_.push_back("splash show");
    }
    void Unload() override {
        visible = false;
        log_.push_back("splash unload");
    }
    double top = 0, left = 0;
    float progress = -1;
    bool visible = false;

private:
    EventLog& log_;
};

class FakeMainFrame : public MainFrame {
public:
    explicit FakeMainFrame(EventLog& log) : log_(log) {}
    // The frame goes on screen before its load step runs the map window's
    // load, which may fail.
    void Show() override {
        log_.push_back("main frame show");
        shown = true;
        if (failure) throw *failure;
    }
    void Unload() override {
        if (shown) log_.push_back("main frame unload");
        shown = false;
    }
    std::optional<RuntimeFailure> failure;
    bool shown = false;

private:
    EventLog& log_;
};

// All the fakes, wired into StartupServices around a location cache on the
// fake disk.
struct StartupFakes {
    EventLog log;
    FakeScreen screen;
    FakePointer pointer{log};
    FakeApplication application{log};
    FakeMessageBoxes messages{log};
    FakeFileStore files;
    FakeDrives drives;
    FakeTreeSearch treeSearch;
    FakeSplash splash{log};
    FakeMainFrame mainFrame{log};
    FakeGameFolderChooser chooser{log};
    LocationCache cache{application, files, files};

    StartupServices Services() {
        return StartupServices{screen,     pointer, application, messages, drives,
                               treeSearch, splash,  mainFrame,   cache};
    }
    GameFolderChoice Choice() { return GameFolderChoice{chooser, files}; }
};

}  // namespace tessary::fakes
