// The transfer journals of PosixFiles: hidden files, locked with flock while
// their program runs, each line flushed before the next step.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

#include "front/posix/errno_failure.h"
#include "front/posix/file_descriptor.h"
#include "front/posix/posix_files.h"

namespace tessary {

namespace {

constexpr const char* kJournalPrefix = ".tessary-journal-";
constexpr int kQuitSignals[] = {SIGTERM, SIGINT, SIGHUP};

std::atomic<unsigned> journalCounter{0};
volatile sig_atomic_t heldSignal = 0;

void HoldSignal(int signal) { heldSignal = signal; }

// While a transfer runs, a request to quit waits for its end; it then has
// its usual effect.
class QuitRequestsHeld {
public:
    QuitRequestsHeld() {
        heldSignal = 0;
        struct sigaction hold {};
        hold.sa_handler = HoldSignal;
        sigemptyset(&hold.sa_mask);
        for (std::size_t i = 0; i < std::size(kQuitSignals); ++i) {
            ::sigaction(kQuitSignals[i], &hold, &previous_[i]);
        }
    }
    ~QuitRequestsHeld() {
        for (std::size_t i = 0; i < std::size(kQuitSignals); ++i) {
            ::sigaction(kQuitSignals[i], &previous_[i], nullptr);
        }
        if (heldSignal != 0) ::raise(heldSignal);
    }
    QuitRequestsHeld(const QuitRequestsHeld&) = delete;
    QuitRequestsHeld& operator=(const QuitRequestsHeld&) = delete;

private:
    struct sigaction previous_[std::size(kQuitSignals)]{};
};

class PosixJournal : public Journal {
public:
    PosixJournal(std::string path, FileDescriptor fd) : path_(std::move(path)), fd_(std::move(fd)) {}
    ~PosixJournal() override {
        // Not finished: the record stays for the next start.
    }

    void Append(const std::string& line) override {
        const std::string bytes = line + "\n";
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t written = ::write(fd_.Get(), bytes.data() + done, bytes.size() - done);
            if (written < 0) {
                if (errno == EINTR) continue;
                throw FailureFromErrno(errno, "Cannot write", path_);
            }
            done += static_cast<std::size_t>(written);
        }
        if (::fdatasync(fd_.Get()) != 0) throw FailureFromErrno(errno, "Cannot write", path_);
    }

    void Finish() override {
        if (::unlink(path_.c_str()) != 0) throw FailureFromErrno(errno, "Cannot delete", path_);
    }

private:
    std::string path_;
    FileDescriptor fd_;
    QuitRequestsHeld held_;
};

}  // namespace

std::unique_ptr<Journal> PosixFiles::StartJournal(const std::string& folder) {
    const std::string path = folder + "/" + kJournalPrefix + std::to_string(::getpid()) + "-" +
                             std::to_string(journalCounter.fetch_add(1));
    FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0600));
    if (!fd.Valid()) throw FailureFromErrno(errno, "Cannot create", path);
    if (::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::unlink(path.c_str());
        throw FailureFromErrno(error, "Cannot lock", path);
    }
    // The new name itself must survive a power cut.
    const FileDescriptor folderFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderFd.Valid()) ::fsync(folderFd.Get());
    return std::make_unique<PosixJournal>(path, std::move(fd));
}

std::vector<AbandonedJournal> PosixFiles::AbandonedJournals(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* listing = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(listing)) {
            const std::string name = entry->d_name;
            if (name.rfind(kJournalPrefix, 0) == 0) names.push_back(name);
        }
        ::closedir(listing);
    }
    std::vector<AbandonedJournal> abandoned;
    for (const auto& name : names) {
        const std::string path = folder + "/" + name;
        const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
        struct stat info {};
        if (!fd.Valid() || ::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        // A program that still holds its lock is still running.
        if (::flock(fd.Get(), LOCK_SH | LOCK_NB) != 0) continue;
        std::string text;
        char buffer[4096];
        ssize_t got = 0;
        while ((got = ::read(fd.Get(), buffer, sizeof buffer)) > 0)
            text.append(buffer, static_cast<std::size_t>(got));
        abandoned.push_back({path, text});
    }
    return abandoned;
}

}  // namespace tessary
