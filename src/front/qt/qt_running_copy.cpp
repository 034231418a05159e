#include "front/qt/qt_running_copy.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace tessary {

namespace {

constexpr const char* kShowRequest = "show";
constexpr const char* kFileRequest = "file ";
constexpr const char* kShownAnswer = "shown\n";
constexpr const char* kNotShownAnswer = "not shown\n";
// A request line is a word and perhaps a percent-coded path: anything
// longer is not one.
constexpr qint64 kLongestRequest = 4 * QtRunningCopy::kLongestPath;

// A full path that can be handed over: no more bytes than a path has and no
// zero byte, which no path holds.
bool CanHandOver(const std::string& path) {
    return path.starts_with('/') && path.size() <= QtRunningCopy::kLongestPath &&
           path.find('\0') == std::string::npos;
}
// An idle copy answers at once; one busy in its start-up gets this long.
constexpr int kAnswerMilliseconds = 3000;

}  // namespace

QtRunningCopy::QtRunningCopy() {
    // XDG_RUNTIME_DIR, or where it is not set Qt's own folder for this user
    // in the temporary folder; "" when neither can be had.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) return;
    lockPath_ = QDir(folder).filePath(QStringLiteral("tessary.lock"));
    socketPath_ = QDir(folder).filePath(QStringLiteral("tessary.socket"));
}

bool QtRunningCopy::Claim() {
    if (lockPath_.isEmpty()) return true;
    lock_ = std::make_unique<QLockFile>(lockPath_);
    // Held for the whole run: only a copy that is gone leaves a stale lock
    // (QLockFile then takes it over), never an old one.
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock(0)) return lock_->error() != QLockFile::LockFailedError;
    // A copy that was killed may have left its socket file behind.
    QLocalServer::removeServer(socketPath_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            auto files = std::make_shared<std::vector<std::string>>();
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket,
                             [this, socket, files] { Answer(*socket, *files); });
            Answer(*socket, *files);
        }
    });
    server_.listen(socketPath_);
    return true;
}

void QtRunningCopy::Answer(QLocalSocket& socket, std::vector<std::string>& files) {
    while (socket.canReadLine()) {
        QByteArray request = socket.readLine(kLongestRequest + 1);
        if (!request.endsWith('\n')) {  // longer than any request
            socket.abort();
            return;
        }
        request.chop(1);
        if (request.startsWith(kFileRequest)) {
            const QByteArray path = QByteArray::fromPercentEncoding(request.sliced(qstrlen(kFileRequest)));
            files.emplace_back(path.constData(), static_cast<std::size_t>(path.size()));
            if (files.size() > kMostFiles || !CanHandOver(files.back())) {
                socket.abort();
                return;
            }
            continue;
        }
        // The map window takes the files and comes forward at once; adding
        // them waits for the event loop, so this answer never waits for the
        // player.
        const bool shown = request.trimmed() == kShowRequest && showWindow_ && showWindow_(files);
        files.clear();
        socket.write(shown ? kShownAnswer : kNotShownAnswer);
    }
    if (socket.bytesAvailable() > kLongestRequest) socket.abort();
}

bool QtRunningCopy::AskToShowItself(const std::vector<std::string>& files) {
    if (socketPath_.isEmpty() || files.size() > kMostFiles) return false;
    QByteArray request;
    for (const std::string& path : files) {
        if (!CanHandOver(path)) return false;
        request += kFileRequest;
        request +=
            QByteArray::fromRawData(path.data(), static_cast<qsizetype>(path.size())).toPercentEncoding("/");
        request += '\n';
    }
    request += kShowRequest;
    request += '\n';
    const QDeadlineTimer deadline(kAnswerMilliseconds);
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) return false;
    socket.write(request);
    if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) return false;
    }
    return socket.readLine(kLongestRequest) == kShownAnswer;
}

}  // namespace tessary
