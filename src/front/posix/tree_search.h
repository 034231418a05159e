#pragma once
// The search of a folder tree for a file name, letter case ignored.
//
// Order: depth first. In each folder the files are checked first (of
// several names that match, the smallest in byte order wins); then its
// subfolders are entered one after another in byte order of their names.
// Symbolic links are followed, to files and to folders, but no folder is
// entered twice (by device and inode), so link loops and bind mounts end.
// The "dosdevices" folder of a Wine prefix (a folder holding "system.reg")
// is not entered: its drive letters, "z:" linked to "/" among them, are
// drives of their own, not folders of the drive being searched.
// Only regular files match; FIFOs, devices and sockets are never opened.
// Folders that cannot be opened or read are passed over, and so are the
// system's pseudo file systems (proc, sysfs, cgroup and the like), which
// would lead into other processes' folders.
// Memory grows with the number of folders, not of files.
//
// The folders are read by one thread a core: each goes on into the first
// folder inside the one it read, or else takes the first waiting folder in
// that order. The result is the one a single thread walking in that order
// finds: a folder reached by two ways belongs to the way that comes first
// in the order, and when a later way reached it first, the earlier one
// takes it over with what was found in it, without reading it again.

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <unordered_set>

#include "platform/drives.h"

namespace tessary {

struct FolderId {
    dev_t device = 0;
    ino_t inode = 0;
    // Which root's walk it belongs to when the roots do not share folders.
    std::size_t walk = 0;
    bool operator==(const FolderId&) const = default;
};

struct FolderIdHash {
    std::size_t operator()(const FolderId& id) const {
        return std::hash<ino_t>()(id.inode) ^ (std::hash<dev_t>()(id.device) * 31) ^ (id.walk * 0x9e3779b9u);
    }
};

class PosixTreeSearch : public TreeSearch {
public:
    // walkEachFolderOnce: a folder entered by one search is passed over by
    // every later search of this object too, and by the walks of later
    // roots of a row. A folder that an earlier search walked without
    // finding the file cannot hold it, so the first match of a row of
    // searches is the same, with no folder read twice.
    // threads: how many folders are read at once; 0 for one a core.
    explicit PosixTreeSearch(bool walkEachFolderOnce = false, unsigned threads = 0)
        : walkEachFolderOnce_(walkEachFolderOnce), threads_(threads) {}

    // root + the found file's path below it (joined with '/' when root
    // does not end with one), or empty when no such file is there.
    std::string Find(const std::string& root, const std::string& fileName) override;

    // The roots walked side by side, the first root's file winning.
    std::optional<FoundInRow> FindFirst(const std::vector<std::string>& roots, const std::string& fileName,
                                        const std::function<void(std::size_t)>& reached) override;

    // How many folders the searches of this object have read (a folder
    // read again counts again).
    std::size_t FoldersRead() const { return foldersRead_; }

private:
    bool walkEachFolderOnce_;
    unsigned threads_;
    std::unordered_set<FolderId, FolderIdHash> visited_;
    std::size_t foldersRead_ = 0;
};

}  // namespace tessary
