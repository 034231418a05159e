#pragma once
// The search of a folder tree for a file name, letter case ignored, on the
// Windows API (FindFirstFileExW on "\\?\" long paths, so that folders
// deeper than 260 characters are searched too).
//
// Order: depth first. In each folder the files are checked first (of
// several names that match, the smallest in UTF-16 code-unit order wins);
// then its subfolders are entered one after another in that order.
// Reparse points (links, junctions) to folders are followed, but no folder
// is entered twice (by volume serial number and file index), so link loops
// end. Folders that cannot be opened or read are passed over.
// Memory grows with the number of folders, not of files.

#include "platform/drives.h"

namespace tessary {

class Win32TreeSearch : public TreeSearch {
public:
    // root + the found file's path below it (joined with "\" when root does
    // not end with one), or empty when no such file is there.
    std::string Find(const std::string& root, const std::string& fileName) override;
};

}  // namespace tessary
