#include "front/win32/tree_search.h"

#include <windows.h>

#include <algorithm>
#include <set>
#include <vector>

#include "front/win32/handle.h"
#include "front/win32/long_path.h"
#include "front/win32/wide_text.h"

namespace tessary {

namespace {

struct Folder {
    std::size_t pathLength = 0;            // of the path up to and including this folder's "\"
    std::vector<std::wstring> subfolders;  // in code-unit order
    std::size_t next = 0;
};

bool IsDotName(const wchar_t* name) {
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

class Walk {
public:
    Walk(const std::string& root, const std::string& fileName) : root_(root), name_(Widen(fileName)) {
        path_ = LongPath(root);
        if (path_.back() != L'\\') path_ += L'\\';
        // The part of the long path that stands for root itself.
        rootLength_ = path_.size();
    }

    std::string Run() {
        if (name_.empty()) return {};
        if (Enter()) return Found();
        while (!stack_.empty()) {
            Folder& top = stack_.back();
            if (top.next == top.subfolders.size()) {
                stack_.pop_back();
                continue;
            }
            path_.resize(top.pathLength);
            path_ += top.subfolders[top.next++];
            path_ += L'\\';
            if (Enter()) return Found();
        }
        return {};
    }

private:
    // Reads the folder whose path is path_: true when it holds the file.
    // Otherwise its subfolders go on the stack.
    bool Enter() {
        if (!FirstVisit()) return false;
        Folder folder;
        folder.pathLength = path_.size();
        if (!ReadEntries(folder.subfolders)) return false;
        if (!match_.empty()) return true;
        if (folder.subfolders.empty()) return false;
        std::sort(folder.subfolders.begin(), folder.subfolders.end());
        stack_.push_back(std::move(folder));
        return false;
    }

    // False when the folder cannot be opened or was entered before.
    bool FirstVisit() {
        Handle folder(CreateFileW(path_.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        BY_HANDLE_FILE_INFORMATION info{};
        if (!folder.Valid() || !GetFileInformationByHandle(folder.Get(), &info)) return false;
        return visited_.insert({info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow}).second;
    }

    // Sorts the folder's entries into subfolders and the best matching file.
    bool ReadEntries(std::vector<std::wstring>& subfolders) {
        WIN32_FIND_DATAW entry{};
        const std::wstring pattern = path_ + L'*';
        const HANDLE find = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch,
                                             nullptr, FIND_FIRST_EX_LARGE_FETCH);
        if (find == INVALID_HANDLE_VALUE) return false;
        do {
            const wchar_t* name = entry.cFileName;
            if (IsDotName(name)) continue;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                subfolders.emplace_back(name);
            } else if (Matches(name) && (match_.empty() || match_ > name)) {
                match_ = name;
            }
        } while (FindNextFileW(find, &entry));
        FindClose(find);
        return true;
    }

    bool Matches(const wchar_t* name) const {
        return CompareStringOrdinal(name, -1, name_.c_str(), static_cast<int>(name_.size()), TRUE) ==
               CSTR_EQUAL;
    }

    // root as given, then the path below it with the file's name.
    std::string Found() const {
        std::string found = root_;
        if (!found.empty() && found.back() != '\\' && found.back() != '/') found += '\\';
        found += Narrow(std::wstring_view(path_).substr(rootLength_));
        found += Narrow(match_);
        return found;
    }

    std::string root_;
    std::wstring name_;
    std::wstring path_;
    std::size_t rootLength_ = 0;
    std::wstring match_;
    std::vector<Folder> stack_;
    std::set<FileIdentity> visited_;
};

}  // namespace

std::string Win32TreeSearch::Find(const std::string& root, const std::string& fileName) {
    if (root.empty() || fileName.empty()) return {};
    return Walk(root, fileName).Run();
}

}  // namespace tessary
