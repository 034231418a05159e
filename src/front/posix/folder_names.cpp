#include "front/posix/folder_names.h"

#include <dirent.h>
#include <limits.h>
#include <sys/stat.h>

#include <algorithm>

namespace tessary {

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

bool Exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

std::string Join(const std::string& folder, const std::string& name) {
    return folder == "/" ? "/" + name : folder + "/" + name;
}

}  // namespace

std::vector<std::string> SortedNames(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> ChildrenIgnoringCase(const std::string& folder, const std::string& name) {
    std::vector<std::string> paths;
    if (Exists(Join(folder, name))) paths.push_back(Join(folder, name));
    for (const std::string& other : SortedNames(folder)) {
        if (other != name && SameIgnoringCase(other, name)) paths.push_back(Join(folder, other));
    }
    return paths;
}

std::string ExistingPathIgnoringCase(const std::string& path) {
    if (path.empty() || path.front() != '/' || path.size() >= PATH_MAX) return {};
    if (Exists(path)) return path;
    std::string found = "/";
    std::size_t start = 1;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string part = path.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            found = Join(found, part);
            continue;
        }
        const std::vector<std::string> matches = ChildrenIgnoringCase(found, part);
        if (matches.empty()) return {};
        found = matches.front();
    }
    return found;
}

}  // namespace tessary
