#include "front/qt/qt_folder_watch.h"

#include <QFile>

namespace tessary {

namespace {

// Long enough to gather a burst of changes into one report, short enough
// that the player sees a new file within a second.
constexpr int kSettleMs = 200;

}  // namespace

QtFolderWatch::QtFolderWatch(std::function<void()> changed) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settle_, [this] {
        if (!settle_.isActive()) settle_.start();
    });
    QObject::connect(&settle_, &QTimer::timeout, &watcher_, [this, changed = std::move(changed)] {
        // A folder removed and made again is no longer watched: take it up again.
        const QStringList watched = watcher_.directories();
        for (const QString& folder : folders_) {
            if (!watched.contains(folder)) watcher_.addPath(folder);
        }
        changed();
    });
}

void QtFolderWatch::Watch(const std::vector<std::string>& folders) {
    if (!folders_.isEmpty()) watcher_.removePaths(folders_);
    folders_.clear();
    for (const std::string& folder : folders) {
        if (!folder.empty()) folders_.append(QFile::decodeName(QByteArray::fromStdString(folder)));
    }
    if (!folders_.isEmpty()) watcher_.addPaths(folders_);
}

}  // namespace tessary
