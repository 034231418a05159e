#pragma once
// The one running copy on Linux: a lock file in the user's runtime folder
// holds the claim, and the copy that holds it listens on a local socket
// beside it. A later start writes one request line ("show") and reads one
// answer line ("shown" or "not shown"); further requests can join later.

#include <QLocalServer>
#include <QLockFile>
#include <QString>

#include <functional>
#include <memory>

#include "platform/running_copy.h"

namespace tessary {

class QtRunningCopy final : public RunningCopy {
public:
    // The lock file and the socket are in the user's runtime folder.
    QtRunningCopy();

    // Once claimed, a "show" request calls showWindow, which brings the map
    // window to the front and says whether there was one to bring.
    void OnShowRequest(std::function<bool()> showWindow) { showWindow_ = std::move(showWindow); }

    bool Claim() override;
    bool AskToShowItself(const std::vector<std::string>& files) override;

private:
    void Answer(class QLocalSocket& socket);

    QString lockPath_;
    QString socketPath_;
    std::unique_ptr<QLockFile> lock_;
    // Goes first, taking its socket file along, then the lock.
    QLocalServer server_;
    std::function<bool()> showWindow_;
};

}  // namespace tessary
