#include "front/posix/posix_drop_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include "front/posix/errno_failure.h"
#include "front/posix/file_descriptor.h"
#include "front/posix/posix_files.h"
#include "front/posix/seven_zip_reader.h"

namespace tessary {

namespace {

// A regular file held open: what it holds is read at offsets, so its name
// may change meanwhile without another file being read instead.
class FileBytes final : public ByteSource {
public:
    FileBytes(FileDescriptor file, std::uint64_t size, std::string path)
        : file_(std::move(file)), size_(size), path_(std::move(path)) {}
    std::uint64_t Size() const override { return size_; }
    void ReadAt(std::uint64_t offset, void* into, std::size_t size) const override {
        auto* out = static_cast<char*>(into);
        while (size > 0) {
            const ssize_t got = ::pread(file_.Get(), out, size, static_cast<off_t>(offset));
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) throw FailureFromErrno(errno, "Cannot read the file", path_);
            if (got == 0) throw IntakeRefused("the file got shorter while it was read");
            out += got, size -= static_cast<std::size_t>(got), offset += static_cast<std::uint64_t>(got);
        }
    }

private:
    FileDescriptor file_;
    std::uint64_t size_;
    std::string path_;
};

}  // namespace

PathKind PosixDropReader::KindOf(const std::string& path) const {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return PathKind::Missing;
        throw FailureFromErrno(errno, "Cannot look at", path);
    }
    if (S_ISREG(status.st_mode)) return PathKind::File;
    if (S_ISDIR(status.st_mode)) return PathKind::Folder;
    if (S_ISLNK(status.st_mode)) return PathKind::Link;
    return PathKind::Other;
}

std::uint64_t PosixDropReader::SizeOf(const std::string& path) const {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) throw FailureFromErrno(errno, "Cannot look at", path);
    return static_cast<std::uint64_t>(status.st_size);
}

std::vector<std::string> PosixDropReader::NamesIn(const std::string& folder) const {
    return PosixFiles().NamesIn(folder);
}

std::shared_ptr<const ByteSource> PosixDropReader::Open(const std::string& path) const {
    // O_NONBLOCK: a pipe put in the file's place meanwhile does not hang the open.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!file.Valid()) throw FailureFromErrno(errno, "Cannot open the file", path);
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0) throw FailureFromErrno(errno, "Cannot look at", path);
    if (!S_ISREG(status.st_mode)) throw IntakeRefused("it is not a regular file");
    return std::make_shared<FileBytes>(std::move(file), static_cast<std::uint64_t>(status.st_size), path);
}

std::unique_ptr<ArchiveReader> PosixDropReader::OpenSevenZip(std::shared_ptr<const ByteSource> bytes,
                                                             const IntakeLimits& limits) const {
    return OpenSevenZipArchive(std::move(bytes), limits);
}

}  // namespace tessary
