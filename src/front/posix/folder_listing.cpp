#include "front/posix/folder_listing.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "front/posix/errno_failure.h"

namespace tessary {

namespace {

bool IsRegularFile(int folderFd, const char* name, unsigned char type) {
    if (type == DT_REG) return true;
    if (type != DT_LNK && type != DT_UNKNOWN) return false;
    struct stat info {};
    // A broken link or an entry removed meanwhile is simply not listed.
    return fstatat(folderFd, name, &info, 0) == 0 && S_ISREG(info.st_mode);
}

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

}  // namespace

std::vector<std::string> ListMatchingFiles(const std::string& folder, const FilePattern& pattern) {
    std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
    if (!dir) throw FailureFromErrno(errno, "Cannot list the folder", folder);
    const int folderFd = dirfd(dir.get());
    std::vector<std::string> names;
    while (true) {
        errno = 0;
        const dirent* entry = readdir(dir.get());
        if (entry == nullptr) {
            if (errno != 0) throw FailureFromErrno(errno, "Cannot list the folder", folder);
            break;
        }
        const std::string_view name = entry->d_name;
        if (name == "." || name == ".." || !pattern.Matches(name)) continue;
        if (IsRegularFile(folderFd, entry->d_name, entry->d_type)) names.emplace_back(name);
    }
    std::sort(names.begin(), names.end(), NaturalLess);
    return names;
}

}  // namespace tessary
