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

#include <sys/types.h>

#include <set>
#include <utility>

#include "platform/drives.h"

namespace tessary {

class PosixTreeSearch : public TreeSearch {
public:
    // walkEachFolderOnce: a folder entered by one search is passed over by
    // every later search of this object too. A folder that an earlier
    // search walked without finding the file cannot hold it, so the first
    // match of a row of searches is the same, with no folder read twice.
    explicit PosixTreeSearch(bool walkEachFolderOnce = false) : walkEachFolderOnce_(walkEachFolderOnce) {}

    // root + the found file's path below it (joined with '/' when root
    // does not end with one), or empty when no such file is there.
    std::string Find(const std::string& root, const std::string& fileName) override;

private:
    bool walkEachFolderOnce_;
    std::set<std::pair<dev_t, ino_t>> visited_;
};

}  // namespace tessary
