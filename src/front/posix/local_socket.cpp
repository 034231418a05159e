#include "front/posix/local_socket.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

#include <cerrno>
#include <cstring>

namespace tessary {

namespace {

using Clock = std::chrono::steady_clock;

// The address of a socket file; nullopt when path does not fit one.
std::optional<sockaddr_un> AddressOf(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path || path.find('\0') != std::string::npos) {
        return std::nullopt;
    }
    std::memcpy(address.sun_path, path.data(), path.size());
    return address;
}

// Waits until the socket is ready for events or the deadline passes.
bool WaitFor(int socket, short events, Clock::time_point deadline) {
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return false;
        pollfd watched{socket, events, 0};
        const int ready = ::poll(&watched, 1, static_cast<int>(left.count()));
        if (ready > 0) return true;  // errors and hang-ups show in the next call
        if (ready < 0 && errno != EINTR) return false;
    }
}

bool Connect(int socket, const sockaddr_un& address, Clock::time_point deadline) {
    for (;;) {
        if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return true;
        if (errno == EINTR) continue;
        if (errno == EINPROGRESS) {
            if (!WaitFor(socket, POLLOUT, deadline)) return false;
            int error = 0;
            socklen_t size = sizeof error;
            return ::getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
        }
        // EAGAIN: the listening copy's queue is full for now.
        if (errno != EAGAIN || Clock::now() >= deadline) return false;
        ::poll(nullptr, 0, 10);
    }
}

}  // namespace

FileDescriptor ListenAtLocalPath(const std::string& path) {
    const std::optional<sockaddr_un> address = AddressOf(path);
    if (!address) return {};
    FileDescriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!socket.Valid()) return {};
    // The socket file is made with the socket's own mode, so it is never
    // open to others, not even for a moment.
    if (::fchmod(socket.Get(), S_IRUSR | S_IWUSR) != 0) return {};
    struct stat left {};
    if (::lstat(path.c_str(), &left) == 0 && S_ISSOCK(left.st_mode)) ::unlink(path.c_str());
    if (::bind(socket.Get(), reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0) return {};
    if (::chmod(path.c_str(), S_IRUSR | S_IWUSR) != 0 || ::listen(socket.Get(), SOMAXCONN) != 0) {
        ::unlink(path.c_str());
        return {};
    }
    return socket;
}

FileDescriptor AcceptLocalConnection(int listener) {
    for (;;) {
        const int connection = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (connection >= 0) return FileDescriptor(connection);
        // A connection given up before it was taken is passed over.
        if (errno != EINTR && errno != ECONNABORTED) return {};
    }
}

SocketRead ReadSomeFrom(int socket, std::string& into) {
    char bytes[16384];
    for (;;) {
        const ssize_t read = ::recv(socket, bytes, sizeof bytes, 0);
        if (read > 0) {
            into.append(bytes, static_cast<std::size_t>(read));
            return SocketRead::kBytes;
        }
        if (read == 0) return SocketRead::kClosed;
        if (errno == EINTR) continue;
        return errno == EAGAIN || errno == EWOULDBLOCK ? SocketRead::kNothingYet : SocketRead::kClosed;
    }
}

bool SendNow(int socket, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t sent = ::send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent < 0 && errno == EINTR) continue;
        if (sent <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

std::optional<std::string> AskAtLocalPath(const std::string& path, std::string_view request,
                                          std::chrono::milliseconds timeout, std::size_t longestAnswer) {
    const Clock::time_point deadline = Clock::now() + timeout;
    const std::optional<sockaddr_un> address = AddressOf(path);
    if (!address) return std::nullopt;
    FileDescriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!socket.Valid() || !Connect(socket.Get(), *address, deadline)) return std::nullopt;
    while (!request.empty()) {
        const ssize_t sent = ::send(socket.Get(), request.data(), request.size(), MSG_NOSIGNAL);
        if (sent > 0) {
            request.remove_prefix(static_cast<std::size_t>(sent));
        } else if (sent < 0 && errno == EINTR) {
            continue;
        } else if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!WaitFor(socket.Get(), POLLOUT, deadline)) return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    std::string answer;
    for (;;) {
        if (const std::size_t end = answer.find('\n'); end != std::string::npos) {
            if (end > longestAnswer) return std::nullopt;
            answer.resize(end);
            return answer;
        }
        if (answer.size() > longestAnswer) return std::nullopt;
        switch (ReadSomeFrom(socket.Get(), answer)) {
            case SocketRead::kBytes:
                break;
            case SocketRead::kNothingYet:
                if (!WaitFor(socket.Get(), POLLIN, deadline)) return std::nullopt;
                break;
            case SocketRead::kClosed:
                return std::nullopt;
        }
    }
}

}  // namespace tessary
