#pragma once
// A file list without a view over real POSIX folders. The Qt list widget
// shows the same state.

#include "lists/listed_files.h"

namespace tessary {

class PosixFileList : public ListedFiles {
public:
    // No folder and no entries yet; the pattern "*" lists every file.
    PosixFileList();
};

}  // namespace tessary
