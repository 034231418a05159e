#include "front/qt/qt_running_copy.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <chrono>
#include <optional>

#include "front/posix/local_socket.h"

namespace tessary {

namespace {

constexpr std::string_view kShowRequest = "show";
constexpr std::string_view kFileRequest = "file ";
constexpr std::string_view kShownAnswer = "shown";
constexpr std::string_view kNotShownAnswer = "not shown";
// A request line is a word and perhaps a percent-coded path: anything
// longer is not one.
constexpr std::size_t kLongestRequest = 4 * QtRunningCopy::kLongestPath;

// A full path that can be handed over: no more bytes than a path has and no
// zero byte, which no path holds.
bool CanHandOver(const std::string& path) {
    return path.starts_with('/') && path.size() <= QtRunningCopy::kLongestPath &&
           path.find('\0') == std::string::npos;
}
// An idle copy answers at once; one busy in its start-up gets this long.
constexpr std::chrono::milliseconds kAnswerTime{3000};

}  // namespace

QtRunningCopy::QtRunningCopy() {
    // XDG_RUNTIME_DIR, or where it is not set Qt's own folder for this user
    // in the temporary folder; "" when neither can be had.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) return;
    lockPath_ = QDir(folder).filePath(QStringLiteral("tessary.lock"));
    socketPath_ = QDir(folder).filePath(QStringLiteral("tessary.socket"));
}

QtRunningCopy::~QtRunningCopy() {
    if (listener_.Valid()) ::unlink(QFile::encodeName(socketPath_).constData());
}

bool QtRunningCopy::Claim() {
    if (lockPath_.isEmpty()) return true;
    // Held for the whole run; the system lets go of it when this copy ends,
    // however it ends, so a copy that was killed never leaves a claim.
    // Where the lock file cannot be had at all this copy runs all the same.
    lock_.Reset(::open(QFile::encodeName(lockPath_).constData(),
                       O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600));
    if (!lock_.Valid()) return true;
    int locked;
    do {
        locked = ::flock(lock_.Get(), LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) return errno != EWOULDBLOCK;
    // A socket file left by a copy that was killed is replaced. Without a
    // socket this copy runs all the same; later starts then open their own.
    listener_ = ListenAtLocalPath(QFile::encodeName(socketPath_).toStdString());
    if (!listener_.Valid()) return true;
    connecting_ = std::make_unique<QSocketNotifier>(listener_.Get(), QSocketNotifier::Read);
    QObject::connect(connecting_.get(), &QSocketNotifier::activated, connecting_.get(),
                     [this] { TakeConnections(); });
    return true;
}

void QtRunningCopy::TakeConnections() {
    for (;;) {
        FileDescriptor socket = AcceptLocalConnection(listener_.Get());
        if (!socket.Valid()) return;
        auto connection = std::make_unique<Connection>();
        Connection* taken = connection.get();
        taken->readable = std::make_unique<QSocketNotifier>(socket.Get(), QSocketNotifier::Read);
        taken->socket = std::move(socket);
        QObject::connect(taken->readable.get(), &QSocketNotifier::activated, taken->readable.get(),
                         [this, taken] { Read(*taken); });
        connections_.push_back(std::move(connection));
        Read(*taken);
    }
}

void QtRunningCopy::Read(Connection& connection) {
    // A later start that connects and sends nothing, or sends slowly, only
    // leaves its connection waiting: nothing here waits for it. Quiet while
    // its lines are answered, should showing the window run the event loop.
    connection.readable->setEnabled(false);
    for (;;) {
        switch (ReadSomeFrom(connection.socket.Get(), connection.incoming)) {
            case SocketRead::kNothingYet:
                connection.readable->setEnabled(true);
                return;
            case SocketRead::kBytes:
                if (Answer(connection)) break;
                [[fallthrough]];
            case SocketRead::kClosed:
                Close(connection);
                return;
        }
    }
}

bool QtRunningCopy::Answer(Connection& connection) {
    std::string& incoming = connection.incoming;
    std::size_t start = 0;
    for (std::size_t end; (end = incoming.find('\n', start)) != std::string::npos; start = end + 1) {
        if (end - start > kLongestRequest) return false;
        const std::string_view request(incoming.data() + start, end - start);
        if (request.starts_with(kFileRequest)) {
            const QByteArray coded(request.data() + kFileRequest.size(),
                                   static_cast<qsizetype>(request.size() - kFileRequest.size()));
            const QByteArray path = QByteArray::fromPercentEncoding(coded);
            connection.files.emplace_back(path.constData(), static_cast<std::size_t>(path.size()));
            if (connection.files.size() > kMostFiles || !CanHandOver(connection.files.back())) return false;
            continue;
        }
        // The map window takes the files and comes forward at once; adding
        // them waits for the event loop, so this answer never waits for the
        // player.
        const bool shown = QByteArray(request.data(), static_cast<qsizetype>(request.size())).trimmed() ==
                               QByteArray(kShowRequest.data(), static_cast<qsizetype>(kShowRequest.size())) &&
                           showWindow_ && showWindow_(connection.files);
        connection.files.clear();
        std::string answer(shown ? kShownAnswer : kNotShownAnswer);
        answer += '\n';
        // A later start that asks over and over without reading its answers
        // is cut off rather than waited for.
        if (!SendNow(connection.socket.Get(), answer)) return false;
    }
    incoming.erase(0, start);
    return incoming.size() <= kLongestRequest;
}

void QtRunningCopy::Close(Connection& connection) {
    // Its notifier may be the one signalling now: it goes once that is done.
    connection.readable.release()->deleteLater();
    std::erase_if(connections_, [&](const std::unique_ptr<Connection>& held) { return held.get() == &connection; });
}

bool QtRunningCopy::AskToShowItself(const std::vector<std::string>& files) {
    if (socketPath_.isEmpty() || files.size() > kMostFiles) return false;
    std::string request;
    for (const std::string& path : files) {
        if (!CanHandOver(path)) return false;
        request += kFileRequest;
        request += QByteArray::fromRawData(path.data(), static_cast<qsizetype>(path.size()))
                       .toPercentEncoding("/")
                       .toStdString();
        request += '\n';
    }
    request += kShowRequest;
    request += '\n';
    const std::optional<std::string> answer =
        AskAtLocalPath(QFile::encodeName(socketPath_).toStdString(), request, kAnswerTime, kLongestRequest);
    return answer == kShownAnswer;
}

}  // namespace tessary
