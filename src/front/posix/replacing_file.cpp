#include "front/posix/replacing_file.h"

#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "front/posix/errno_failure.h"

namespace tessary {

namespace {

constexpr const char* kTemporaryPrefix = ".tessary-";
// mkostemp's six letters.
constexpr std::size_t kTemporaryLetters = 6;

}  // namespace

bool IsTemporaryName(const std::string& name) {
    const std::string prefix = kTemporaryPrefix;
    return name.size() == prefix.size() + kTemporaryLetters && name.compare(0, prefix.size(), prefix) == 0;
}

int RenameWithoutReplacing(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    const int error = errno;
    if (error != EINVAL && error != ENOSYS && error != ENOTSUP) return error;
    // A file system without a no-replace rename: a hard link never replaces
    // either, and the old name goes only once the new one is there.
    if (::link(from.c_str(), to.c_str()) != 0) return errno;
    if (::unlink(from.c_str()) != 0) {
        const int unlinkError = errno;
        ::unlink(to.c_str());
        return unlinkError;
    }
    return 0;
}

std::string FolderOfPosixPath(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

ReplacingFile::ReplacingFile(std::string target)
    : target_(std::move(target)), folder_(FolderOfPosixPath(target_)) {
    std::vector<char> name(folder_.begin(), folder_.end());
    const std::string pattern = std::string("/") + kTemporaryPrefix + std::string(kTemporaryLetters, 'X');
    name.insert(name.end(), pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) throw FailureFromErrno(errno, "Cannot create a file in", folder_);
    fd_.Reset(fd);
    temporary_ = name.data();
    // Held until the file is closed, after it has its name.
    ::flock(fd, LOCK_EX | LOCK_NB);
}

ReplacingFile::~ReplacingFile() {
    if (!committed_) ::unlink(temporary_.c_str());
}

void ReplacingFile::WriteAll(const char* data, std::size_t size) {
    WriteAllTo(fd_.Get(), data, size, target_);
}

void WriteAllTo(int fd, const char* data, std::size_t size, const std::string& path) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            throw FailureFromErrno(errno, "Cannot write", path);
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

void ReplacingFile::Commit(mode_t mode, Existing existing) {
    if (::fchmod(fd_.Get(), mode) != 0)
        throw FailureFromErrno(errno, "Cannot set the permissions of", target_);
    if (::fsync(fd_.Get()) != 0) throw FailureFromErrno(errno, "Cannot write", target_);
    // Renamed while still open and locked: never taken for a leftover.
    if (existing == Existing::Replace) {
        if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
            throw FailureFromErrno(errno, "Cannot replace", target_);
        }
    } else if (const int error = RenameWithoutReplacing(temporary_, target_); error != 0) {
        throw FailureFromErrno(error, "Cannot write", target_);
    }
    committed_ = true;
    if (::close(fd_.Release()) != 0) throw FailureFromErrno(errno, "Cannot write", target_);
    // Make the new name itself durable; a folder that cannot be flushed
    // (some file systems refuse) still holds the renamed file.
    FileDescriptor folder(::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Valid()) ::fsync(folder.Get());
}

}  // namespace tessary
