#include "front/posix/posix_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <glib.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "front/posix/errno_failure.h"
#include "front/posix/file_descriptor.h"
#include "front/posix/replacing_file.h"

namespace tessary {

namespace {

// Permissions of a new text file, or of the file it replaces.
constexpr mode_t kNewFileMode = 0644;

// Opens an existing regular file for reading. O_NONBLOCK keeps a FIFO from
// stalling the open; it is refused right after.
FileDescriptor OpenRegularFile(const std::string& path, const char* what, struct stat& info) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd.Valid()) throw FailureFromErrno(errno, what, path);
    if (::fstat(fd.Get(), &info) != 0) throw FailureFromErrno(errno, what, path);
    if (!S_ISREG(info.st_mode))
        throw RuntimeFailure(kPathFileAccessError,
                             std::string(what) + " \"" + path + "\": not a regular file");
    const int flags = ::fcntl(fd.Get(), F_GETFL);
    if (flags >= 0) ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

// Reads up to size bytes; fewer only at the end of the file.
std::size_t ReadFully(int fd, char* data, std::size_t size, const std::string& path) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::read(fd, data + done, size - done);
        if (got < 0) {
            if (errno == EINTR) continue;
            throw FailureFromErrno(errno, "Cannot read", path);
        }
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

// Copies the rest of source into target; returns the byte count.
std::uint64_t CopyBytes(int source, ReplacingFile& target, const std::string& from) {
    std::vector<char> buffer(256 * 1024);
    std::uint64_t total = 0;
    while (true) {
        const std::size_t got = ReadFully(source, buffer.data(), buffer.size(), from);
        if (got == 0) return total;
        target.WriteAll(buffer.data(), got);
        total += got;
    }
}

FileStamp StampOf(const struct stat& info) {
    return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
            static_cast<std::uint64_t>(info.st_size),
            static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

// A new file held open while it is written; removed when it is not
// finished, as long as its name still leads to it.
class PosixNewFile final : public NewFile {
public:
    PosixNewFile(std::string path, FileDescriptor fd) : path_(std::move(path)), fd_(std::move(fd)) {
        if (::fstat(fd_.Get(), &opened_) != 0) {
            const int error = errno;
            ::unlink(path_.c_str());
            throw FailureFromErrno(error, "Cannot create", path_);
        }
    }
    ~PosixNewFile() override {
        struct stat named {};
        if (!finished_ && ::lstat(path_.c_str(), &named) == 0 && opened_.st_ino == named.st_ino &&
            opened_.st_dev == named.st_dev) {
            ::unlink(path_.c_str());
        }
    }
    void Write(const char* data, std::size_t size) override { WriteAllTo(fd_.Get(), data, size, path_); }
    void Finish() override {
        if (::fsync(fd_.Get()) != 0) throw FailureFromErrno(errno, "Cannot write", path_);
        // A failing close may mean lost bytes (network file systems).
        if (::close(fd_.Release()) != 0) throw FailureFromErrno(errno, "Cannot write", path_);
        finished_ = true;
    }

private:
    std::string path_;
    FileDescriptor fd_;
    struct stat opened_ {};
    bool finished_ = false;
};

}  // namespace

std::unique_ptr<NewFile> PosixFiles::CreateNewFile(const std::string& path) {
    FileDescriptor fd(
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kNewFileMode));
    if (!fd.Valid()) throw FailureFromErrno(errno, "Cannot create", path);
    return std::make_unique<PosixNewFile>(path, std::move(fd));
}

void PosixFiles::RemoveFolder(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) throw FailureFromErrno(errno, "Cannot remove the folder", path);
    if (!S_ISDIR(info.st_mode))
        throw RuntimeFailure(kPathFileAccessError, "Cannot remove \"" + path + "\": not a folder");
    if (::rmdir(path.c_str()) != 0) throw FailureFromErrno(errno, "Cannot remove the folder", path);
}

bool PosixFiles::FolderExists(const std::string& path) const {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

void PosixFiles::Copy(const std::string& from, const std::string& to) {
    struct stat source {};
    const FileDescriptor in = OpenRegularFile(from, "Cannot copy", source);
    struct stat existing {};
    if (::stat(to.c_str(), &existing) == 0 && existing.st_dev == source.st_dev &&
        existing.st_ino == source.st_ino) {
        throw RuntimeFailure(kPathFileAccessError, "Cannot copy \"" + from + "\" onto itself");
    }
    if (NameTaken(to))
        throw RuntimeFailure(kFileAlreadyExists, "Cannot copy to \"" + to + "\": the name is taken");
    ReplacingFile out(to);
    const std::uint64_t copied = CopyBytes(in.Get(), out, from);
    // Another program writing into the source while it was read leaves a
    // copy that is neither the old file nor the new one.
    struct stat after {};
    if (copied != static_cast<std::uint64_t>(source.st_size) || ::fstat(in.Get(), &after) != 0 ||
        !(StampOf(after) == StampOf(source))) {
        throw RuntimeFailure(kChangedMeanwhile, "\"" + from + "\" changed while it was copied");
    }
    out.Commit(source.st_mode & 07777, ReplacingFile::Existing::Keep);
}

void PosixFiles::Delete(const std::string& path) {
    if (::unlink(path.c_str()) == 0) return;
    const int error = errno;
    if (error == ENOENT) {
        // The folder is there but the file is not.
        struct stat folder {};
        if (::stat(FolderOfPosixPath(path).c_str(), &folder) == 0 && S_ISDIR(folder.st_mode)) {
            throw RuntimeFailure(kFileNotFound, "Cannot delete \"" + path + "\": file not found");
        }
    }
    throw FailureFromErrno(error, "Cannot delete", path);
}

void PosixFiles::CreateFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0777) != 0) throw FailureFromErrno(errno, "Cannot create the folder", path);
}

bool PosixFiles::FileExists(const std::string& path) const {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::vector<std::string> PosixFiles::NamesIn(const std::string& folder) const {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir) throw FailureFromErrno(errno, "Cannot list the folder", folder);
    std::vector<std::string> names;
    while (true) {
        errno = 0;
        const dirent* entry = ::readdir(dir.get());
        if (entry == nullptr) {
            if (errno != 0) throw FailureFromErrno(errno, "Cannot list the folder", folder);
            return names;
        }
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") names.emplace_back(name);
    }
}

bool PosixFiles::LookAlike(std::string_view a, std::string_view b) const {
    if (a == b) return true;
    const auto normal = [](std::string_view text) {
        std::unique_ptr<gchar, void (*)(gpointer)> form(
            g_utf8_normalize(text.data(), static_cast<gssize>(text.size()), G_NORMALIZE_NFC), g_free);
        return form ? std::optional<std::string>(form.get()) : std::nullopt;
    };
    const auto first = normal(a);
    const auto second = normal(b);
    return first && second && *first == *second;
}

bool PosixFiles::NameTaken(const std::string& path) const {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

std::string PosixFiles::MoveToTrash(const std::string& path) {
    throw RuntimeFailure(kPathFileAccessError,
                         "Cannot move \"" + path + "\" to the trash: there is no trash");
}

void PosixFiles::Move(const std::string& from, const std::string& to) {
    struct stat source {};
    if (::lstat(from.c_str(), &source) != 0) throw FailureFromErrno(errno, "Cannot move", from);
    if (!S_ISREG(source.st_mode) && !S_ISLNK(source.st_mode)) {
        throw RuntimeFailure(kPathFileAccessError, "Cannot move \"" + from + "\": not a file");
    }
    if (const int error = RenameWithoutReplacing(from, to); error != 0) {
        throw FailureFromErrno(error, "Cannot move", from);
    }
}

FileStamp PosixFiles::Stamp(const std::string& path) const {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) throw FailureFromErrno(errno, "Cannot read the state of", path);
    return StampOf(info);
}

void PosixFiles::RemoveTemporaryFiles(const std::string& folder) {
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) throw FailureFromErrno(errno, "Cannot read the folder", folder);
    std::vector<std::string> leftovers;
    while (const dirent* entry = ::readdir(listing)) {
        if (IsTemporaryName(entry->d_name)) leftovers.emplace_back(entry->d_name);
    }
    ::closedir(listing);
    const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    for (const auto& name : leftovers) {
        // Only plain files that no program is writing (its lock is held as
        // long as it writes): a folder or link of such a name is someone
        // else's, and so is a file still locked.
        const std::string path = prefix + name;
        const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
        struct stat opened {
        }, named{};
        if (!fd.Valid() || ::fstat(fd.Get(), &opened) != 0 || !S_ISREG(opened.st_mode)) continue;
        if (::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) continue;
        if (::lstat(path.c_str(), &named) == 0 && named.st_ino == opened.st_ino &&
            named.st_dev == opened.st_dev) {
            ::unlink(path.c_str());
        }
    }
}

std::string PosixFiles::ReadStart(const std::string& path, std::size_t maxBytes) {
    struct stat info {};
    const FileDescriptor fd = OpenRegularFile(path, "Cannot read", info);
    // Grows as the bytes come, so a huge limit costs nothing on a small file.
    std::string bytes;
    while (bytes.size() < maxBytes) {
        const std::size_t had = bytes.size();
        const std::size_t want = std::min(maxBytes - had, std::max<std::size_t>(had, 4096));
        bytes.resize(had + want);
        const std::size_t got = ReadFully(fd.Get(), bytes.data() + had, want, path);
        bytes.resize(had + got);
        if (got < want) break;
    }
    return bytes;
}

void PosixFiles::WriteWhole(const std::string& path, const std::string& bytes) {
    struct stat existing {};
    const mode_t mode = ::stat(path.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : kNewFileMode;
    ReplacingFile out(path);
    out.WriteAll(bytes.data(), bytes.size());
    out.Commit(mode, ReplacingFile::Existing::Replace);
}

}  // namespace tessary
