#include "lists/listed_files.h"

#include <algorithm>

namespace tessary {

ListedFiles::ListedFiles(FolderLister lister, std::string_view separators)
    : lister_(std::move(lister)), separators_(separators), patternText_("*"), pattern_(patternText_) {}

// The folder without trailing separators; a root ("/", "C:\") keeps its one.
std::string ListedFiles::WithoutTrailingSeparators(std::string folder) const {
    const auto isSeparator = [this](char c) { return separators_.find(c) != std::string::npos; };
    const bool drives = separators_.find('\\') != std::string::npos;
    while (folder.size() > 1 && isSeparator(folder.back())) {
        if (drives && folder[folder.size() - 2] == ':') break;  // "C:\" names the drive's root
        folder.pop_back();
    }
    return folder;
}

void ListedFiles::SetFolder(const std::string& path) {
    std::string folder = WithoutTrailingSeparators(path);
    auto entries = lister_(folder, pattern_);
    const bool sameFolder = hasFolder_ && folder == folder_;
    folder_ = std::move(folder);
    hasFolder_ = true;
    TakeEntries(std::move(entries), sameFolder);
}

void ListedFiles::SetPattern(const std::string& pattern) {
    if (pattern == patternText_) return;
    patternText_ = pattern;
    pattern_ = FilePattern(pattern);
    Refresh();
}

void ListedFiles::Refresh() {
    if (!hasFolder_) return;
    TakeEntries(lister_(folder_, pattern_), true);
}

std::string ListedFiles::Folder() const { return folder_; }

std::string ListedFiles::SelectedFileName() const { return selected_ ? entries_[*selected_] : std::string(); }

void ListedFiles::Select(std::optional<std::size_t> index) {
    selected_ = (index && *index < entries_.size()) ? index : std::nullopt;
}

void ListedFiles::TakeEntries(std::vector<std::string> entries, bool sameFolder) {
    std::optional<std::size_t> selected;
    if (sameFolder && selected_) {
        const auto it = std::find(entries.begin(), entries.end(), entries_[*selected_]);
        if (it != entries.end()) selected = static_cast<std::size_t>(it - entries.begin());
    }
    entries_ = std::move(entries);
    selected_ = selected;
}

}  // namespace tessary
