#include "front/posix/tree_search.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <set>
#include <string_view>
#include <utility>
#include <vector>

#include "front/posix/file_descriptor.h"

namespace tessary {

namespace {

// Folder descriptors kept open along the current path; deeper folders
// reopen their ancestors by path when they come back to them.
constexpr std::size_t kMaxOpenFolders = 32;
constexpr int kFolderOpenFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK;

// File systems that hold no files of their own but views of the system and
// of other processes (their working folders, their open files): never entered.
bool IsPseudoFileSystem(int fd) {
    struct statfs info {};
    if (::fstatfs(fd, &info) != 0) return true;
    switch (static_cast<unsigned long>(info.f_type)) {
    case 0x9fa0UL:      // proc
    case 0x62656572UL:  // sysfs
    case 0x1cd1UL:      // devpts
    case 0x27e0ebUL:    // cgroup
    case 0x63677270UL:  // cgroup2
    case 0x64626720UL:  // debugfs
    case 0x74726163UL:  // tracefs
    case 0x73636673UL:  // securityfs
    case 0xcafe4a11UL:  // bpf
    case 0x6165676cUL:  // pstore
    case 0xf97cff8cUL:  // selinuxfs
    case 0x62656570UL:  // configfs
    case 0x65735543UL:  // fusectl
    case 0x42494e4dUL:  // binfmt_misc
    case 0x19800202UL:  // mqueue
    case 0xde5e81e4UL:  // efivarfs
    case 0x6e736673UL:  // nsfs
        return true;
    default: return false;
    }
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

struct Folder {
    FileDescriptor fd;
    dev_t device = 0;
    ino_t inode = 0;
    std::size_t pathLength = 0;           // of the path up to and including this folder's '/'
    std::vector<std::string> subfolders;  // in byte order
    std::size_t next = 0;
};

class Walk {
public:
    Walk(const std::string& root, const std::string& fileName, std::set<std::pair<dev_t, ino_t>>& visited)
        : path_(root), name_(fileName), visited_(visited) {
        if (!path_.empty() && path_.back() != '/') path_ += '/';
        for (char& c : name_) c = LowerAscii(c);
    }

    std::string Run() {
        if (path_.empty() || name_.empty()) return {};
        if (Enter(FileDescriptor(::open(path_.c_str(), kFolderOpenFlags)))) return found_;
        while (!stack_.empty()) {
            Folder& top = stack_.back();
            if (top.next == top.subfolders.size()) {
                if (top.fd.Valid()) --openFolders_;
                stack_.pop_back();
                continue;
            }
            const std::string name = std::move(top.subfolders[top.next++]);
            const int parent = OpenedFd(top);
            if (parent < 0) continue;
            path_.resize(top.pathLength);
            path_ += name;
            path_ += '/';
            if (Enter(FileDescriptor(::openat(parent, name.c_str(), kFolderOpenFlags)))) return found_;
        }
        return {};
    }

private:
    // Reads a folder whose path is path_: true when it holds the file.
    // Otherwise its subfolders go on the stack.
    bool Enter(FileDescriptor fd) {
        if (!fd.Valid()) return false;
        struct stat info {};
        if (::fstat(fd.Get(), &info) != 0) return false;
        if (IsPseudoFileSystem(fd.Get())) return false;
        if (!visited_.emplace(info.st_dev, info.st_ino).second) return false;

        Folder folder;
        folder.device = info.st_dev;
        folder.inode = info.st_ino;
        folder.pathLength = path_.size();
        std::string match;
        if (!ReadEntries(fd.Get(), folder.subfolders, match)) return false;
        if (!match.empty()) {
            found_ = path_ + match;
            return true;
        }
        if (folder.subfolders.empty()) return false;
        std::sort(folder.subfolders.begin(), folder.subfolders.end());
        if (openFolders_ == kMaxOpenFolders) CloseLowestOpen();
        folder.fd = std::move(fd);
        ++openFolders_;
        stack_.push_back(std::move(folder));
        return false;
    }

    // Sorts a folder's entries into subfolders and the best matching file.
    // The entries are read straight from the folder's descriptor, which is
    // not read again afterwards.
    bool ReadEntries(int fd, std::vector<std::string>& subfolders, std::string& match) {
        bool winePrefix = false;
        for (;;) {
            const ssize_t size = ::getdents64(fd, entries_.data(), entries_.size());
            if (size < 0) return false;
            if (size == 0) break;
            for (ssize_t offset = 0; offset < size;) {
                const auto* entry = reinterpret_cast<const dirent64*>(entries_.data() + offset);
                offset += entry->d_reclen;
                const char* name = entry->d_name;
                if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'))) continue;
                unsigned char type = entry->d_type;
                if (type == DT_LNK || type == DT_UNKNOWN) type = TypeBehind(fd, name);
                if (type == DT_DIR) {
                    subfolders.emplace_back(name);
                } else if (type == DT_REG && Matches(name) && (match.empty() || match > name)) {
                    match = name;
                }
                winePrefix = winePrefix || (type == DT_REG && std::strcmp(name, "system.reg") == 0);
            }
        }
        if (winePrefix) std::erase(subfolders, std::string("dosdevices"));
        return true;
    }

    // What a link or an entry of unknown type leads to, links followed.
    static unsigned char TypeBehind(int folderFd, const char* name) {
        struct stat info {};
        if (::fstatat(folderFd, name, &info, 0) != 0) return DT_UNKNOWN;
        if (S_ISDIR(info.st_mode)) return DT_DIR;
        if (S_ISREG(info.st_mode)) return DT_REG;
        return DT_UNKNOWN;
    }

    bool Matches(const char* name) const {
        const std::size_t length = std::strlen(name);
        if (length != name_.size()) return false;
        for (std::size_t i = 0; i < length; ++i) {
            if (LowerAscii(name[i]) != name_[i]) return false;
        }
        return true;
    }

    // The folder's descriptor, reopened by path when it had been closed;
    // -1 when the path no longer leads to the same folder.
    int OpenedFd(Folder& folder) {
        if (folder.fd.Valid()) return folder.fd.Get();
        path_.resize(folder.pathLength);
        FileDescriptor fd(::open(path_.c_str(), kFolderOpenFlags));
        struct stat info {};
        if (!fd.Valid() || ::fstat(fd.Get(), &info) != 0 || info.st_dev != folder.device ||
            info.st_ino != folder.inode) {
            folder.next = folder.subfolders.size();
            return -1;
        }
        if (openFolders_ == kMaxOpenFolders) CloseLowestOpen();
        folder.fd = std::move(fd);
        ++openFolders_;
        return folder.fd.Get();
    }

    void CloseLowestOpen() {
        for (Folder& folder : stack_) {
            if (folder.fd.Valid()) {
                folder.fd.Reset();
                --openFolders_;
                return;
            }
        }
    }

    std::string path_;
    std::string name_;
    std::string found_;
    std::vector<Folder> stack_;
    std::size_t openFolders_ = 0;
    std::set<std::pair<dev_t, ino_t>>& visited_;
    // Room for the raw entries of one read of a folder.
    alignas(dirent64) std::array<char, 32 * 1024> entries_;
};

}  // namespace

std::string PosixTreeSearch::Find(const std::string& root, const std::string& fileName) {
    if (walkEachFolderOnce_) return Walk(root, fileName, visited_).Run();
    std::set<std::pair<dev_t, ino_t>> visited;
    return Walk(root, fileName, visited).Run();
}

}  // namespace tessary
