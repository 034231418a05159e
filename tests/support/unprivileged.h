#pragma once
// Root reads and writes whatever a folder's permissions say, so a test of
// what happens when permission is denied runs that part as an ordinary user:
// as root, in a child process that has become user and group 65534 ("nobody")
// and owns the test's folder.

#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <exception>
#include <filesystem>
#include <functional>
#include <string>

namespace tessary::testing {

// Runs part and returns what it returns. Run as root, it first gives folder
// and everything below it to user 65534, then runs part in a child process
// as that user; what the child could not do comes back as the text.
inline std::string AsUnprivileged(const std::string& folder, const std::function<std::string()>& part) {
    if (::geteuid() != 0) return part();
    constexpr uid_t kNobody = 65534;
    if (::lchown(folder.c_str(), kNobody, kNobody) != 0) return "could not give " + folder + " to user 65534";
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (::lchown(entry.path().c_str(), kNobody, kNobody) != 0)
            return "could not give " + entry.path().string() + " away";
    }
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child < 0) return "no child process";
    if (child == 0) {
        ::close(pipeEnds[0]);
        std::string result;
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0 ||
            ::geteuid() != kNobody) {
            result = "could not become user 65534";
        } else {
            try {
                result = part();
            } catch (const std::exception& e) {
                result = std::string("unexpected exception: ") + e.what();
            } catch (...) {
                result = "unexpected exception";
            }
        }
        for (std::size_t done = 0; done < result.size();) {
            const ssize_t written = ::write(pipeEnds[1], result.data() + done, result.size() - done);
            if (written <= 0) break;
            done += static_cast<std::size_t>(written);
        }
        ::_exit(0);  // no test framework or sanitizer clean-up in the child
    }
    ::close(pipeEnds[1]);
    std::string result;
    char buffer[4096];
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) != 0;) {
        if (got < 0) {
            if (errno == EINTR) continue;
            break;
        }
        result.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(pipeEnds[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {}
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) result += " (the child process did not end normally)";
    return result;
}

}  // namespace tessary::testing
