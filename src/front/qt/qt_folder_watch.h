#pragma once
// Watches folders for files added, removed or renamed in them, and reports a
// burst of changes (an archive unpacked, a map moved with its picture) once,
// shortly after it began.

#include <QFileSystemWatcher>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

namespace tessary {

class QtFolderWatch {
public:
    explicit QtFolderWatch(std::function<void()> changed);

    // Watches these folders from now on (empty names are skipped).
    void Watch(const std::vector<std::string>& folders);

private:
    QFileSystemWatcher watcher_;
    QTimer settle_;
    QStringList folders_;
};

}  // namespace tessary
