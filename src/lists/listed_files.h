#pragma once
// A file list without a view: the folder, the pattern, the listed names and
// the selected entry. Each front reads its folders with its own listing and
// shows the same state in its own list control.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls.h"
#include "lists/pattern.h"

namespace tessary {

// Reads the names of the matching files directly in a folder, sorted with
// NaturalLess; fails with kPathNotFound when the folder does not exist.
using FolderLister = std::function<std::vector<std::string>(const std::string& folder, const FilePattern&)>;

class ListedFiles : public FileList {
public:
    // No folder and no entries yet; the pattern "*" lists every file.
    // separators are the characters that end a folder name on this platform.
    ListedFiles(FolderLister lister, std::string_view separators);

    // Reads the folder. When that fails, the list keeps its previous folder,
    // entries and selection, and the failure is passed on.
    void SetFolder(const std::string& folder) override;
    // Takes the pattern and re-reads the folder, if one is set and the
    // pattern is a new one; a failing re-read keeps the entries and is passed on.
    void SetPattern(const std::string& pattern) override;
    // Re-reads the folder, if one is set; a failure keeps the entries.
    void Refresh() override;
    // The folder as set, without trailing separators ("/games/Maps/" reads
    // back "/games/Maps", "/" stays "/"), so a name joined to it gives a
    // clean path. Empty while no folder was ever set successfully.
    std::string Folder() const override;
    std::string SelectedFileName() const override;

    bool HasFolder() const { return hasFolder_; }
    const std::string& Pattern() const { return patternText_; }
    const std::vector<std::string>& Entries() const { return entries_; }
    std::optional<std::size_t> SelectedIndex() const { return selected_; }
    // Selects an entry; an index past the end (or nothing) clears the selection.
    void Select(std::optional<std::size_t> index);

private:
    // A re-read keeps the selected entry when its name is still listed and
    // the folder is the same one.
    void TakeEntries(std::vector<std::string> entries, bool sameFolder);
    std::string WithoutTrailingSeparators(std::string folder) const;

    FolderLister lister_;
    std::string separators_;
    std::string folder_;
    bool hasFolder_ = false;
    std::string patternText_;
    FilePattern pattern_;
    std::vector<std::string> entries_;
    std::optional<std::size_t> selected_;
};

}  // namespace tessary
