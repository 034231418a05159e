#include "platform/posix/listed_file_list.h"

#include <algorithm>

#include "platform/posix/folder_listing.h"

namespace tessary {

namespace {

// The folder without trailing separators; the root keeps its one.
std::string WithoutTrailingSeparators(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

}  // namespace

ListedFileList::ListedFileList() : patternText_("*"), pattern_(patternText_) {}

void ListedFileList::SetFolder(const std::string& path) {
    std::string folder = WithoutTrailingSeparators(path);
    auto entries = ListMatchingFiles(folder, pattern_);
    const bool sameFolder = hasFolder_ && folder == folder_;
    folder_ = std::move(folder);
    hasFolder_ = true;
    TakeEntries(std::move(entries), sameFolder);
}

void ListedFileList::SetPattern(const std::string& pattern) {
    if (pattern == patternText_) return;
    patternText_ = pattern;
    pattern_ = FilePattern(pattern);
    Refresh();
}

void ListedFileList::Refresh() {
    if (!hasFolder_) return;
    TakeEntries(ListMatchingFiles(folder_, pattern_), true);
}

std::string ListedFileList::Folder() const { return folder_; }

std::string ListedFileList::SelectedFileName() const { return selected_ ? entries_[*selected_] : std::string(); }

void ListedFileList::Select(std::optional<std::size_t> index) {
    selected_ = (index && *index < entries_.size()) ? index : std::nullopt;
}

void ListedFileList::TakeEntries(std::vector<std::string> entries, bool sameFolder) {
    std::optional<std::size_t> selected;
    if (sameFolder && selected_) {
        const auto it = std::find(entries.begin(), entries.end(), entries_[*selected_]);
        if (it != entries.end()) selected = static_cast<std::size_t>(it - entries.begin());
    }
    entries_ = std::move(entries);
    selected_ = selected;
}

}  // namespace tessary
