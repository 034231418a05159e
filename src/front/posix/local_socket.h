#pragma once
// Local (AF_UNIX) stream sockets between two copies of the program run by
// the same user: the copy that listens never blocks on a connection, and the
// copy that asks gives up at a deadline. No call raises SIGPIPE.

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "front/posix/file_descriptor.h"

namespace tessary {

// A non-blocking socket listening at path, its file open to this user only.
// A socket file left at path by a copy that was killed is replaced; any
// other kind of file there is left alone and nothing listens. Invalid when
// the socket cannot be made (for one, a path too long for a socket).
FileDescriptor ListenAtLocalPath(const std::string& path);

// The next connection waiting on listener, non-blocking; invalid when none
// is waiting.
FileDescriptor AcceptLocalConnection(int listener);

// What reading from a non-blocking connection found.
enum class SocketRead { kBytes, kNothingYet, kClosed };

// Appends what has come in on the connection, up to a few kilobytes.
// kClosed when the other side has gone or the connection failed.
SocketRead ReadSomeFrom(int socket, std::string& into);

// Sends all of bytes on a non-blocking connection at once; false when the
// other side has gone or is not taking them.
bool SendNow(int socket, std::string_view bytes);

// Connects to the socket at path, sends request and reads the answer up to
// its first '\n', all within timeout. The answer line without its '\n';
// nullopt when nothing listens, the deadline passes, the connection ends
// first or the answer runs past longestAnswer bytes.
std::optional<std::string> AskAtLocalPath(const std::string& path, std::string_view request,
                                          std::chrono::milliseconds timeout, std::size_t longestAnswer);

}  // namespace tessary
