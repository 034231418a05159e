#pragma once
// The one running copy on Linux: a lock file in the user's runtime folder
// holds the claim, and the copy that holds it listens on a local socket
// beside it. A later start writes its request and reads one answer line
// ("shown" or "not shown"). The request is a "file PATH" line for each file
// it hands over, the path's bytes percent-coded, then a "show" line.

#include <QLocalServer>
#include <QLockFile>
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/running_copy.h"

class QLocalSocket;

namespace tessary {

class QtRunningCopy final : public RunningCopy {
public:
    // Files handed over at once, and the bytes of one path, at most.
    static constexpr std::size_t kMostFiles = 1000;
    static constexpr std::size_t kLongestPath = 4096;

    // The lock file and the socket are in the user's runtime folder.
    QtRunningCopy();

    // Once claimed, a "show" request calls showWindow with the files handed
    // over (none for a plain start); it brings the map window to the front,
    // takes the files to add them later, and says whether there was a window
    // to bring. It must return at once: the later start waits for it.
    void OnShowRequest(std::function<bool(const std::vector<std::string>&)> showWindow) {
        showWindow_ = std::move(showWindow);
    }

    bool Claim() override;
    bool AskToShowItself(const std::vector<std::string>& files) override;

private:
    // Answers the request lines that have come in; files collects the
    // connection's "file" lines until its "show".
    void Answer(QLocalSocket& socket, std::vector<std::string>& files);

    QString lockPath_;
    QString socketPath_;
    std::unique_ptr<QLockFile> lock_;
    // Goes first, taking its socket file along, then the lock.
    QLocalServer server_;
    std::function<bool(const std::vector<std::string>&)> showWindow_;
};

}  // namespace tessary
