#include "front/win32/win32_drop_reader.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

#include "front/win32/handle.h"
#include "front/win32/long_path.h"
#include "front/win32/win32_failure.h"
#include "front/win32/win32_files.h"

namespace tessary {

namespace {

// A regular file held open: what it holds is read at offsets, and while it
// is open no other program may write to it, rename it or delete it.
class FileBytes final : public ByteSource {
public:
    FileBytes(Handle file, std::uint64_t size, std::string path)
        : file_(std::move(file)), size_(size), path_(std::move(path)) {}
    std::uint64_t Size() const override { return size_; }
    void ReadAt(std::uint64_t offset, void* into, std::size_t size) const override {
        auto* out = static_cast<char*>(into);
        while (size > 0) {
            // The offset goes with each read, so reads share no file position.
            OVERLAPPED at{};
            at.Offset = static_cast<DWORD>(offset);
            at.OffsetHigh = static_cast<DWORD>(offset >> 32);
            const DWORD want = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 20));
            DWORD got = 0;
            if (!ReadFile(file_.Get(), out, want, &got, &at)) {
                const DWORD error = GetLastError();
                if (error != ERROR_HANDLE_EOF) throw FailureFromError(error, "Cannot read the file", path_);
                got = 0;
            }
            if (got == 0) throw IntakeRefused("the file got shorter while it was read");
            out += got, size -= got, offset += got;
        }
    }

private:
    Handle file_;
    std::uint64_t size_;
    std::string path_;
};

// A name in the device namespace ("\\.\COM1", "\\?\GLOBALROOT\..."), not
// on a drive or a share: opening it may reach a device or a pipe.
bool DeviceName(const std::string& path) {
    std::string start = path.substr(0, 8);
    for (char& c : start)
        c = c == '/' ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (start.rfind("\\\\.\\", 0) != 0 && start.rfind("\\\\?\\", 0) != 0) return false;
    const bool drive = start.size() >= 7 && std::isalpha(static_cast<unsigned char>(start[4])) &&
                       start.compare(5, 2, ":\\") == 0;
    const bool share = start.compare(4, 4, "unc\\") == 0;
    return !drive && !share;
}

bool Missing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_NAME ||
           error == ERROR_BAD_NETPATH || error == ERROR_BAD_NET_NAME || error == ERROR_NOT_READY;
}

}  // namespace

PathKind Win32DropReader::KindOf(const std::string& path) const {
    if (DeviceName(path)) return PathKind::Other;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    // The attributes of the name itself: a link or junction is not followed.
    if (!GetFileAttributesExW(LongPath(path).c_str(), GetFileExInfoStandard, &data)) {
        const DWORD error = GetLastError();
        if (Missing(error)) return PathKind::Missing;
        // What Wine answers for a Unix pipe, socket or device.
        if (error == ERROR_INVALID_PARAMETER) return PathKind::Other;
        throw FailureFromError(error, "Cannot look at", path);
    }
    const DWORD attributes = data.dwFileAttributes;
    // Every reparse point counts as a link: a symbolic link, a junction, or
    // a placeholder whose bytes another program fetches on demand.
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return PathKind::Link;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return PathKind::Folder;
    if (attributes & FILE_ATTRIBUTE_DEVICE) return PathKind::Other;
    return PathKind::File;
}

std::uint64_t Win32DropReader::SizeOf(const std::string& path) const {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(LongPath(path).c_str(), GetFileExInfoStandard, &data)) {
        throw LastFailure("Cannot look at", path);
    }
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::vector<std::string> Win32DropReader::NamesIn(const std::string& folder) const {
    return Win32Files().NamesIn(folder);
}

std::shared_ptr<const ByteSource> Win32DropReader::Open(const std::string& path) const {
    if (DeviceName(path)) throw IntakeRefused("it is not a regular file");
    // Others may read the file meanwhile, not write to it: a download still
    // being written fails here instead of being read half-way.
    Handle file(CreateFileW(LongPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid()) {
        const DWORD error = GetLastError();
        if (error == ERROR_SHARING_VIOLATION) {
            throw IntakeRefused("another program is writing to it (is it still being downloaded?)");
        }
        throw FailureFromError(error, "Cannot open the file", path);
    }
    // A Unix pipe or device in the file's place under Wine has no file
    // information to give.
    BY_HANDLE_FILE_INFORMATION information{};
    if (GetFileType(file.Get()) != FILE_TYPE_DISK || !GetFileInformationByHandle(file.Get(), &information)) {
        throw IntakeRefused("it is not a regular file");
    }
    if (information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) throw IntakeRefused("it is a link");
    if (information.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) {
        throw IntakeRefused("it is not a regular file");
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size)) throw LastFailure("Cannot look at", path);
    return std::make_shared<FileBytes>(std::move(file), static_cast<std::uint64_t>(size.QuadPart), path);
}

}  // namespace tessary
