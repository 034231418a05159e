#pragma once
// Watches folders for files added, removed or renamed in them with change
// notifications (FindFirstChangeNotificationW), asked from a timer of the
// window that follows them, so no thread of its own is needed.

#include <windows.h>

#include <string>
#include <vector>

namespace tessary {

class Win32FolderWatch {
public:
    Win32FolderWatch() = default;
    ~Win32FolderWatch() { Stop(); }
    Win32FolderWatch(const Win32FolderWatch&) = delete;
    Win32FolderWatch& operator=(const Win32FolderWatch&) = delete;

    // Watches these folders from now on (empty names are skipped). False when
    // a folder could not be watched: the window then re-reads when it is
    // activated instead.
    bool Watch(const std::vector<std::string>& folders);
    bool Watching() const { return !watches_.empty(); }
    // True when any folder changed since the last call; waits for nothing.
    bool Changed();

private:
    void Stop();

    std::vector<HANDLE> watches_;
};

}  // namespace tessary
