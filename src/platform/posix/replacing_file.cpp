#include "platform/posix/replacing_file.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/posix/errno_failure.h"

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
}

ReplacingFile::~ReplacingFile() {
    if (!committed_) ::unlink(temporary_.c_str());
}

void ReplacingFile::WriteAll(const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd_.Get(), data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            throw FailureFromErrno(errno, "Cannot write", target_);
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

void ReplacingFile::Commit(mode_t mode) {
    if (::fchmod(fd_.Get(), mode) != 0)
        throw FailureFromErrno(errno, "Cannot set the permissions of", target_);
    if (::fsync(fd_.Get()) != 0) throw FailureFromErrno(errno, "Cannot write", target_);
    if (::close(fd_.Release()) != 0) throw FailureFromErrno(errno, "Cannot write", target_);
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        throw FailureFromErrno(errno, "Cannot replace", target_);
    }
    committed_ = true;
    // Make the new name itself durable; a folder that cannot be flushed
    // (some file systems refuse) still holds the renamed file.
    FileDescriptor folder(::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Valid()) ::fsync(folder.Get());
}

}  // namespace tessary
