#include "front/win32/folder_watch.h"

#include "front/win32/long_path.h"

namespace tessary {

bool Win32FolderWatch::Watch(const std::vector<std::string>& folders) {
    Stop();
    bool all = true;
    for (const std::string& folder : folders) {
        if (folder.empty()) continue;
        const HANDLE watch =
            FindFirstChangeNotificationW(LongPath(folder).c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME);
        if (watch != INVALID_HANDLE_VALUE) {
            watches_.push_back(watch);
        } else {
            all = false;
        }
    }
    return all;
}

bool Win32FolderWatch::Changed() {
    bool changed = false;
    for (const HANDLE watch : watches_) {
        if (WaitForSingleObject(watch, 0) != WAIT_OBJECT_0) continue;
        changed = true;
        FindNextChangeNotification(watch);
    }
    return changed;
}

void Win32FolderWatch::Stop() {
    for (const HANDLE watch : watches_) FindCloseChangeNotification(watch);
    watches_.clear();
}

}  // namespace tessary
