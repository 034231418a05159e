#include "front/qt/qt_running_copy.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace tessary {

namespace {

constexpr const char* kShowRequest = "show";
constexpr const char* kShownAnswer = "shown\n";
constexpr const char* kNotShownAnswer = "not shown\n";
// A request line is a word and perhaps a path: anything longer is not one.
constexpr qint64 kLongestRequest = 8192;
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
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] { Answer(*socket); });
            Answer(*socket);
        }
    });
    server_.listen(socketPath_);
    return true;
}

void QtRunningCopy::Answer(QLocalSocket& socket) {
    while (socket.canReadLine()) {
        const QByteArray request = socket.readLine(kLongestRequest).trimmed();
        const bool shown = request == kShowRequest && showWindow_ && showWindow_();
        socket.write(shown ? kShownAnswer : kNotShownAnswer);
    }
    if (socket.bytesAvailable() > kLongestRequest) socket.abort();
}

bool QtRunningCopy::AskToShowItself(const std::vector<std::string>& /*files*/) {
    if (socketPath_.isEmpty()) return false;
    const QDeadlineTimer deadline(kAnswerMilliseconds);
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) return false;
    socket.write(QByteArray(kShowRequest) + '\n');
    if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) return false;
    }
    return socket.readLine(kLongestRequest) == kShownAnswer;
}

}  // namespace tessary
