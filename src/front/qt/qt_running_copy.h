#pragma once
// The one running copy on Linux: a lock on a file in the user's runtime
// folder holds the claim, and the copy that holds it listens on a local socket
// beside it. A later start writes its request and reads one answer line
// ("shown" or "not shown"). The request is a "file PATH" line for each file
// it hands over, the path's bytes percent-coded, then a "show" line.

#include <QSocketNotifier>
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "front/posix/file_descriptor.h"
#include "platform/running_copy.h"

namespace tessary {

class QtRunningCopy final : public RunningCopy {
public:
    // Files handed over at once, and the bytes of one path, at most.
    static constexpr std::size_t kMostFiles = 1000;
    static constexpr std::size_t kLongestPath = 4096;

    // The lock file and the socket are in the user's runtime folder.
    QtRunningCopy();
    // Takes the socket file away while the lock still holds.
    ~QtRunningCopy() override;
    QtRunningCopy(const QtRunningCopy&) = delete;
    QtRunningCopy& operator=(const QtRunningCopy&) = delete;

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
    // One later start's connection, read whenever bytes come in.
    struct Connection {
        FileDescriptor socket;
        std::unique_ptr<QSocketNotifier> readable;
        // Bytes of a request line not yet whole.
        std::string incoming;
        // The "file" lines until their "show".
        std::vector<std::string> files;
    };

    void TakeConnections();
    void Read(Connection& connection);
    // Answers the whole request lines that have come in; false when the
    // connection is to be cut.
    bool Answer(Connection& connection);
    void Close(Connection& connection);

    QString lockPath_;
    QString socketPath_;
    FileDescriptor lock_;  // the lock file, locked while this copy runs
    FileDescriptor listener_;
    std::unique_ptr<QSocketNotifier> connecting_;
    std::vector<std::unique_ptr<Connection>> connections_;
    std::function<bool(const std::vector<std::string>&)> showWindow_;
};

}  // namespace tessary
