#pragma once
// Fakes of everything the map window uses, over one in-memory disk, writing
// what happens to one shared event log.

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "fakes/fake_startup.h"
#include "fakes/mover_looks.h"
#include "fakes/native_path.h"
#include "forms/layout_label.h"
#include "forms/layout_picture_area.h"
#include "forms/mover_layout_state.h"
#include "lists/pattern.h"
#include "mapwindow/mover.h"
#include "platform/canvas.h"
#include "platform/controls.h"
#include "platform/failure.h"
#include "platform/files.h"
#include "platform/map_window.h"
#include "platform/path.h"
#include "platform/screen.h"
#include "platform/shell.h"
#include "shape/software_region.h"

namespace tessary::fakes {

// Folders and files by full path, separated by kPathSeparator. A failure can be planted
// for an operation on a path: "copy <from>", "copy to <to>", "delete <path>",
// "create <path>", "new <path>" (Files::CreateNewFile), "write <path>" (each
// write into a new file), "remove folder <path>", "trash <path>", "move <from>", "move to <to>", "list <folder>"
// (a file list's read; only for a folder that exists), "names <folder>"
// (Files::NamesIn), "restore <path in trash>", "stamp <path>". The desktop
// trash is the folder kTrash, present only while trashAvailable.
// Folders listed in otherDisks (with all below them) are another file
// system: a move between file systems fails.
class FakeDisk {
public:
    static std::string Trimmed(std::string path) {
        while (path.size() > 1 && path.back() == kPathSeparator) path.pop_back();
        return path;
    }
    static std::string Parent(const std::string& path) {
        const auto slash = path.rfind(kPathSeparator);
        return slash == std::string::npos ? std::string() : path.substr(0, slash);
    }

    bool IsFolder(const std::string& path) const { return folders.count(Trimmed(path)) != 0; }
    void AddFolder(const std::string& path) { folders.insert(Trimmed(path)); }
    void AddFile(const std::string& path, const std::string& bytes) {
        files[path] = bytes;
        inodes[path] = ++lastInode;
    }
    bool HasFile(const std::string& path) const { return files.count(path) != 0; }
    // Which file stands at path: kept by a move, new for a copy.
    std::uint64_t InodeOf(const std::string& path) const {
        const auto it = inodes.find(path);
        return it == inodes.end() ? 0 : it->second;
    }
    void Rename(const std::string& from, const std::string& to) {
        files[to] = files[from];
        inodes[to] = InodeOf(from);
        files.erase(from);
        inodes.erase(from);
    }
    // Counts the file operations that change the disk or the journal; the
    // one numbered crashAt (from 1) never happens: the program stops there.
    void Step() {
        if (++steps == crashAt) {
            crashed = true;
            throw SimulatedCrash{};
        }
    }

    std::vector<std::string> NamesIn(const std::string& folder, const FilePattern& pattern) const {
        std::vector<std::string> names;
        const std::string trimmed = Trimmed(folder);
        for (const auto& [path, bytes] : files) {
            const std::string name = path.substr(path.rfind(kPathSeparator) + 1);
            if (Parent(path) == trimmed && pattern.Matches(name)) names.push_back(name);
        }
        return names;
    }

    void FailOn(const std::string& operation, int number = kPermissionDenied) {
        failures[operation] = number;
    }
    void Check(const std::string& operation) const {
        const auto it = failures.find(operation);
        if (it != failures.end()) throw RuntimeFailure(it->second, "planted failure: " + operation);
    }

    static inline const std::string kTrash = NativePath("/trash");

    struct SimulatedCrash {};

    std::set<std::string> folders;
    std::map<std::string, std::string> files;
    std::map<std::string, std::uint64_t> inodes;
    std::uint64_t lastInode = 0;
    int steps = 0;
    int crashAt = 0;
    // The program stopped: nothing it would do on its way out happens.
    bool crashed = false;
    // Journals (by path) whose program is still running.
    std::set<std::string> liveJournals;
    std::map<std::string, int> failures;
    bool trashAvailable = true;
    std::set<std::string> otherDisks;
    // Runs after the bytes of a copy were read, before they are written.
    std::function<void(const std::string& from)> duringCopy;

    std::string DiskOf(const std::string& path) const {
        std::string disk;
        for (const auto& root : otherDisks) {
            if (path.rfind(root, 0) == 0 && root.size() > disk.size()) disk = root;
        }
        return disk;
    }
};

class FakeFiles : public Files {
public:
    FakeFiles(FakeDisk& disk, EventLog& log) : disk_(disk), log_(log) {}
    void Copy(const std::string& from, const std::string& to) override {
        log_.push_back("copy " + from + " -> " + to);
        disk_.Check("copy " + from);
        disk_.Check("copy to " + to);
        if (!disk_.HasFile(from)) throw RuntimeFailure(kFileNotFound, "File not found: " + from);
        if (!disk_.IsFolder(FakeDisk::Parent(to)))
            throw RuntimeFailure(kPathNotFound, "Path not found: " + to);
        if (from == to) throw RuntimeFailure(kPermissionDenied, "Copy onto itself: " + to);
        if (NameTaken(to)) throw RuntimeFailure(kFileAlreadyExists, "Exists: " + to);
        const std::string bytes = disk_.files[from];
        if (disk_.duringCopy) disk_.duringCopy(from);
        // A source deleted meanwhile is still read whole, as from an open file.
        const auto now = disk_.files.find(from);
        if (now != disk_.files.end() && now->second != bytes)
            throw RuntimeFailure(kChangedMeanwhile, "Changed while copied: " + from);
        disk_.Step();
        disk_.AddFile(to, bytes);
    }
    void Delete(const std::string& path) override {
        log_.push_back("delete " + path);
        disk_.Check("delete " + path);
        if (!disk_.HasFile(path)) throw RuntimeFailure(kFileNotFound, "File not found: " + path);
        disk_.Step();
        disk_.files.erase(path);
        disk_.inodes.erase(path);
    }
    void CreateFolder(const std::string& path) override {
        log_.push_back("create " + path);
        disk_.Check("create " + path);
        if (!disk_.IsFolder(FakeDisk::Parent(path)))
            throw RuntimeFailure(kPathNotFound, "Path not found: " + path);
        if (disk_.IsFolder(path)) throw RuntimeFailure(kFileAlreadyExists, "Exists: " + path);
        disk_.Step();
        disk_.AddFolder(path);
    }
    // A new file is on the disk from the start, growing with each write.
    class FakeNewFile : public NewFile {
    public:
        FakeNewFile(FakeDisk& disk, std::string path)
            : disk_(disk), path_(std::move(path)), inode_(disk.InodeOf(path_)) {}
        ~FakeNewFile() override {
            if (!finished_ && !disk_.crashed && disk_.InodeOf(path_) == inode_) {
                disk_.files.erase(path_);
                disk_.inodes.erase(path_);
            }
        }
        void Write(const char* data, std::size_t size) override {
            disk_.Check("write " + path_);
            disk_.files[path_].append(data, size);
        }
        void Finish() override {
            disk_.Step();
            finished_ = true;
        }

    private:
        FakeDisk& disk_;
        std::string path_;
        std::uint64_t inode_;
        bool finished_ = false;
    };
    std::unique_ptr<NewFile> CreateNewFile(const std::string& path) override {
        log_.push_back("new " + path);
        disk_.Check("new " + path);
        if (!disk_.IsFolder(FakeDisk::Parent(path)))
            throw RuntimeFailure(kPathNotFound, "Path not found: " + path);
        if (NameTaken(path)) throw RuntimeFailure(kFileAlreadyExists, "Exists: " + path);
        disk_.Step();
        disk_.AddFile(path, "");
        return std::make_unique<FakeNewFile>(disk_, path);
    }
    void RemoveFolder(const std::string& path) override {
        log_.push_back("remove folder " + path);
        disk_.Check("remove folder " + path);
        if (!disk_.IsFolder(path)) throw RuntimeFailure(kPathNotFound, "No folder: " + path);
        const std::string trimmed = FakeDisk::Trimmed(path);
        const auto inside = [&](const std::string& p) { return FakeDisk::Parent(p) == trimmed; };
        if (std::any_of(disk_.files.begin(), disk_.files.end(),
                        [&](const auto& f) { return inside(f.first); }) ||
            std::any_of(disk_.folders.begin(), disk_.folders.end(), inside))
            throw RuntimeFailure(kPermissionDenied, "Not empty: " + path);
        disk_.Step();
        disk_.folders.erase(trimmed);
    }
    bool FolderExists(const std::string& path) const override { return disk_.IsFolder(path); }
    bool FileExists(const std::string& path) const override { return disk_.HasFile(path); }
    bool NameTaken(const std::string& path) const override {
        return disk_.HasFile(path) || disk_.IsFolder(path);
    }
    // Trashed files keep their name, numbered when it is taken.
    std::string MoveToTrash(const std::string& path) override {
        log_.push_back("trash " + path);
        disk_.Check("trash " + path);
        if (!disk_.trashAvailable) throw RuntimeFailure(kPathFileAccessError, "No trash: " + path);
        if (!disk_.HasFile(path)) throw RuntimeFailure(kFileNotFound, "File not found: " + path);
        const std::string name = path.substr(path.rfind(kPathSeparator) + 1);
        std::string target = JoinPath(FakeDisk::kTrash, name);
        for (int n = 2; disk_.HasFile(target); ++n) {
            target = JoinPath(FakeDisk::kTrash, std::to_string(n) + name);
        }
        disk_.Step();
        disk_.AddFolder(FakeDisk::kTrash);
        disk_.Rename(path, target);
        return target;
    }
    void Move(const std::string& from, const std::string& to) override {
        log_.push_back("move " + from + " -> " + to);
        disk_.Check("move " + from);
        disk_.Check("move to " + to);
        if (!disk_.HasFile(from)) throw RuntimeFailure(kFileNotFound, "File not found: " + from);
        if (!disk_.IsFolder(FakeDisk::Parent(to))) throw RuntimeFailure(kPathNotFound, "No folder: " + to);
        if (NameTaken(to)) throw RuntimeFailure(kFileAlreadyExists, "Exists: " + to);
        if (disk_.DiskOf(from) != disk_.DiskOf(to))
            throw RuntimeFailure(kPathFileAccessError, "Other disk: " + to);
        disk_.Step();
        disk_.Rename(from, to);
    }
    // Which file it is, and its bytes for its state.
    FileStamp Stamp(const std::string& path) const override {
        disk_.Check("stamp " + path);
        if (!disk_.HasFile(path)) throw RuntimeFailure(kFileNotFound, "File not found: " + path);
        const std::string& bytes = disk_.files.at(path);
        return {0, disk_.InodeOf(path), bytes.size(),
                static_cast<std::int64_t>(std::hash<std::string>{}(bytes))};
    }
    void RestoreFromTrash(const std::string& inTrash, const std::string& path) override {
        log_.push_back("restore " + inTrash + " -> " + path);
        disk_.Check("restore " + inTrash);
        if (!disk_.HasFile(inTrash)) throw RuntimeFailure(kFileNotFound, "File not found: " + inTrash);
        if (NameTaken(path)) throw RuntimeFailure(kFileAlreadyExists, "Exists: " + path);
        disk_.Step();
        disk_.Rename(inTrash, path);
    }
    std::string FindInTrash(const std::string&, const FileStamp& stamp) const override {
        for (const auto& [path, bytes] : disk_.files) {
            if (FakeDisk::Parent(path) == FakeDisk::kTrash && Stamp(path) == stamp) return path;
        }
        return {};
    }
    void RemoveTemporaryFiles(const std::string& folder) override { log_.push_back("tidy " + folder); }
    std::vector<std::string> NamesIn(const std::string& folder) const override {
        if (!disk_.IsFolder(folder)) throw RuntimeFailure(kPathNotFound, "Path not found: " + folder);
        disk_.Check("names " + folder);
        std::vector<std::string> names = disk_.NamesIn(folder, FilePattern("*"));
        for (const auto& sub : disk_.folders) {
            if (sub != FakeDisk::Trimmed(folder) && FakeDisk::Parent(sub) == FakeDisk::Trimmed(folder))
                names.push_back(sub.substr(sub.rfind(kPathSeparator) + 1));
        }
        return names;
    }

    // A journal is a file of the disk; planted failures "journal <folder>"
    // and "append <folder>" make starting or writing one fail.
    class FakeJournal : public Journal {
    public:
        FakeJournal(FakeDisk& disk, std::string folder, std::string path)
            : disk_(disk), folder_(std::move(folder)), path_(std::move(path)) {}
        ~FakeJournal() override { disk_.liveJournals.erase(path_); }
        void Append(const std::string& line) override {
            disk_.Check("append " + folder_);
            disk_.Step();
            disk_.files[path_] += line + "\n";
        }
        void Finish() override {
            disk_.Step();
            disk_.files.erase(path_);
        }

    private:
        FakeDisk& disk_;
        std::string folder_, path_;
    };
    std::unique_ptr<Journal> StartJournal(const std::string& folder) override {
        disk_.Check("journal " + folder);
        if (!disk_.IsFolder(folder)) throw RuntimeFailure(kPathNotFound, "No folder: " + folder);
        disk_.Step();
        std::string path;
        do {
            path = JoinPath(FakeDisk::Trimmed(folder), ".tessary-journal-" + std::to_string(++journals_));
        } while (NameTaken(path));
        disk_.AddFile(path, "");
        disk_.liveJournals.insert(path);
        return std::make_unique<FakeJournal>(disk_, folder, path);
    }
    std::vector<AbandonedJournal> AbandonedJournals(const std::string& folder) override {
        std::vector<AbandonedJournal> found;
        for (const auto& [path, bytes] : disk_.files) {
            if (FakeDisk::Parent(path) == FakeDisk::Trimmed(folder) &&
                path.find(".tessary-journal-") != std::string::npos && disk_.liveJournals.count(path) == 0) {
                found.push_back({path, bytes});
            }
        }
        return found;
    }

private:
    FakeDisk& disk_;
    EventLog& log_;
    int journals_ = 0;
};

class FakeFileList : public FileList {
public:
    FakeFileList(std::string name, FakeDisk& disk, EventLog& log)
        : name_(std::move(name)), disk_(disk), log_(log) {}
    void SetFolder(const std::string& folder) override {
        log_.push_back(name_ + " folder " + folder);
        Read(folder);
        folder_ = FakeDisk::Trimmed(folder);
    }
    void SetPattern(const std::string& pattern) override {
        log_.push_back(name_ + " pattern " + pattern);
        pattern_ = pattern;
        if (!folder_.empty()) Read(folder_);
    }
    void Refresh() override {
        log_.push_back(name_ + " refresh");
        if (!folder_.empty()) Read(folder_);
    }
    std::string Folder() const override { return folder_; }
    std::string SelectedFileName() const override { return selected; }

    const std::vector<std::string>& Entries() const { return entries_; }

    std::string selected;

private:
    void Read(const std::string& folder) {
        if (!disk_.IsFolder(folder)) throw RuntimeFailure(kPathNotFound, "Path not found: " + folder);
        disk_.Check("list " + folder);
        entries_ = disk_.NamesIn(folder, FilePattern(pattern_));
        // As a real list: a re-read loses the highlight of a name gone from the folder.
        if (std::find(entries_.begin(), entries_.end(), selected) == entries_.end()) selected.clear();
    }

    std::string name_;
    FakeDisk& disk_;
    EventLog& log_;
    std::string folder_;
    std::string pattern_ = "*";
    std::vector<std::string> entries_;
};

// A preview picture as the fakes hold it: the file it came from.
class PathPicture : public CanvasPicture {
public:
    explicit PathPicture(std::string path) : path(std::move(path)) {}
    PixelSize Size() const override { return {1, 1}; }
    std::string path;
};

// No skin; a preview picture is a file whose bytes start with "BM".
class FakePictures : public MoverPictures {
public:
    // The bytes of the file at a path, or nothing when there is no such file.
    using ReadFile = std::function<std::optional<std::string>(const std::string&)>;
    explicit FakePictures(ReadFile read) : read_(std::move(read)) {}
    const CanvasPicture* Skin(std::string_view) override { return nullptr; }
    std::unique_ptr<CanvasPicture> ReadPreview(const std::string& path) override {
        const std::optional<std::string> bytes = read_(path);
        if (!bytes) throw RuntimeFailure(kFileNotFound, "File not found: " + path);
        if (bytes->rfind("BM", 0) != 0) throw RuntimeFailure(kInvalidPicture, "Invalid picture");
        return std::make_unique<PathPicture>(path);
    }

private:
    ReadFile read_;
};

// The map window's picture areas and label as the form keeps them, over
// fake pictures, and what a player would see of them.
class FakeMoverControls {
public:
    explicit FakeMoverControls(FakePictures::ReadFile read) : pictures_(std::move(read)) {
        for (const ControlRow& row : MoverControlTable()) {
            if (row.kind != ControlKind::PictureArea) continue;
            areas_[Row(row.control)] =
                std::make_unique<LayoutPictureArea>(layout, row.control, nullptr, pictures_, [] {});
        }
    }
    MoverControls For(FileList& gameList, FileList& storedList) {
        std::array<PictureArea*, kMoverControlCount> pointers{};
        for (std::size_t i = 0; i < pointers.size(); ++i) pointers[i] = areas_[i].get();
        return MoverControls{gameList, storedList, noPictureLabel, pointers};
    }

    bool Visible(MapControl control) const { return layout.Visible(control); }
    // The file of the picture the preview area shows, or nothing.
    std::optional<std::string> Preview() const {
        const auto* picture = static_cast<const PathPicture*>(areas_[Row(MapControl::Preview)]->Picture());
        if (picture == nullptr) return std::nullopt;
        return picture->path;
    }
    bool NoPictureShown() const { return noPictureLabel.Visible(); }
    std::string Looks() const {
        return ButtonLooks([this](MapControl c) { return Visible(c); });
    }

    MoverLayoutState layout;
    LayoutLabel noPictureLabel{layout, MapControl::NoPictureLabel, [] {}};

private:
    FakePictures pictures_;
    std::array<std::unique_ptr<LayoutPictureArea>, kMoverControlCount> areas_;
};

class FakeMoverWindow : public MoverWindow {
public:
    explicit FakeMoverWindow(EventLog& log) : log_(log) {}
    void SetWindowRgn(RegionHandle region, bool redraw) override {
        shape = region;
        log_.push_back(std::string("SetWindowRgn ") + (regions.IsLive(region) ? "live" : "dead") +
                       (redraw ? " redraw" : ""));
    }
    RegionOps& Regions() override { return regions; }
    void SetTopLeft(double topTwips, double leftTwips) override {
        top = topTwips;
        left = leftTwips;
        log_.push_back("place " + FormatNumber(topTwips) + " " + FormatNumber(leftTwips));
    }
    void BeginDrag() override { log_.push_back("drag"); }
    void HoldMouse() override { log_.push_back("hold mouse"); }
    void LetGoOfMouse() override { log_.push_back("let go of mouse"); }
    void PaintNow() override {}

    SoftwareRegionOps regions;
    RegionHandle shape = kNoRegion;
    double top = 0, left = 0;

private:
    EventLog& log_;
};

class FakeShell : public Shell {
public:
    explicit FakeShell(EventLog& log) : log_(log) {}
    void Open(const std::string& address, const std::string& workingFolder) override {
        log_.push_back("open " + address + " in " + workingFolder);
        if (whileOpen) whileOpen();
        if (fail) throw RuntimeFailure(kFileNotFound, "No program is associated");
    }
    bool fail = false;
    // Runs while the page is being opened.
    std::function<void()> whileOpen;

private:
    EventLog& log_;
};

class SizedScreen : public Screen {
public:
    double WidthTwips() const override { return width; }
    double HeightTwips() const override { return height; }
    double TwipsPerPixelX() const override { return twipsX; }
    double TwipsPerPixelY() const override { return twipsY; }
    double width = 19200, height = 15360, twipsX = 15, twipsY = 15;
};

// The map window with every fake, over a game at /games/fm (or at another
// maps folder, which is not made).
struct MoverFakes {
    static inline const std::string kGame = NativePath("/games/fm/Home/Maps");
    static inline const std::string kStored = JoinPath(kGame, "Stored Maps");

    explicit MoverFakes(std::string gameMaps = kGame) : gameMapsFolder(std::move(gameMaps)) {
        disk.AddFolder(NativePath("/"));
        disk.AddFolder(NativePath("/games"));
        disk.AddFolder(NativePath("/games/fm"));
        disk.AddFolder(NativePath("/games/fm/Home"));
        disk.AddFolder(kGame);
    }

    std::string Game(const std::string& name) const { return JoinPath(kGame, name); }
    std::string Stored(const std::string& name) const { return JoinPath(kStored, name); }

    // The log from here on.
    void ClearLog() { log.clear(); }
    std::string Looks() const { return controls.Looks(); }

    EventLog log;
    FakeDisk disk;
    std::string gameMapsFolder;
    // How often the map window forgot the game's place.
    int gameForgotten = 0;
    FakeFileList gameList{"game list", disk, log};
    FakeFileList storedList{"stored list", disk, log};
    FakeMoverControls controls{[this](const std::string& path) -> std::optional<std::string> {
        const auto it = disk.files.find(path);
        if (it == disk.files.end()) return std::nullopt;
        return it->second;
    }};
    FakeMoverWindow window{log};
    SizedScreen screen;
    FakePointer pointer{log};
    FakeMessageBoxes messages{log};
    FakeFiles files{disk, log};
    FakeShell shell{log};
    FakeApplication application{log};
    Mover mover{GameMapsPlace{gameMapsFolder, [this] { ++gameForgotten; }},
                controls.For(gameList, storedList), window,
                MoverWindowServices{screen, pointer, messages, files, shell, application}};
};

}  // namespace tessary::fakes
