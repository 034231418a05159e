#include "front/win32/win32_files.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "front/win32/handle.h"
#include "front/win32/long_path.h"
#include "front/win32/replacing_file.h"
#include "front/win32/wide_text.h"
#include "front/win32/win32_failure.h"

namespace tessary {

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// What an editor puts before UTF-8 text, and this program before a text
// that the ANSI code page cannot hold.
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool IsUtf8(const std::string& bytes) {
    try {
        Widen(bytes);
        return true;
    } catch (const RuntimeFailure&) {
        return false;
    }
}

// Opens an existing file (not a folder) for reading.
Handle OpenForReading(const std::string& path, const char* what, BY_HANDLE_FILE_INFORMATION& info) {
    Handle file(CreateFileW(LongPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid()) throw LastFailure(what, path);
    if (!GetFileInformationByHandle(file.Get(), &info)) throw LastFailure(what, path);
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        throw RuntimeFailure(kPathFileAccessError,
                             std::string(what) + " \"" + path + "\": a folder, not a file");
    }
    return file;
}

// Reads up to size bytes; fewer only at the end of the file.
std::size_t ReadFully(HANDLE file, char* data, std::size_t size, const std::string& path) {
    std::size_t done = 0;
    while (done < size) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - done, 1u << 20));
        DWORD got = 0;
        if (!ReadFile(file, data + done, chunk, &got, nullptr)) throw LastFailure("Cannot read", path);
        if (got == 0) break;
        done += got;
    }
    return done;
}

bool SameFile(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b) {
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
           a.nFileIndexLow == b.nFileIndexLow;
}

// True when the path names the file whose information is given, by any
// name (another spelling, a link).
bool IsSameFile(const std::string& path, const BY_HANDLE_FILE_INFORMATION& source) {
    Handle other(CreateFileW(LongPath(path).c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                             FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    return other.Valid() && GetFileInformationByHandle(other.Get(), &info) && SameFile(info, source);
}

// A new file open without sharing while it is written.
class Win32NewFile final : public NewFile {
public:
    Win32NewFile(std::string path, Handle file) : path_(std::move(path)), file_(std::move(file)) {}
    ~Win32NewFile() override {
        if (finished_ || !file_.Valid()) return;
        FILE_DISPOSITION_INFO dispose{};
        dispose.DeleteFile = TRUE;
        SetFileInformationByHandle(file_.Get(), FileDispositionInfo, &dispose, sizeof dispose);
    }
    void Write(const char* data, std::size_t size) override {
        while (size > 0) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 20));
            DWORD done = 0;
            if (!WriteFile(file_.Get(), data, chunk, &done, nullptr))
                throw LastFailure("Cannot write", path_);
            data += done;
            size -= done;
        }
    }
    void Finish() override {
        if (!FlushFileBuffers(file_.Get())) throw LastFailure("Cannot write", path_);
        if (!file_.Close()) throw LastFailure("Cannot write", path_);
        finished_ = true;
    }

private:
    std::string path_;
    Handle file_;
    bool finished_ = false;
};

}  // namespace

std::unique_ptr<NewFile> Win32Files::CreateNewFile(const std::string& path) {
    Handle file(CreateFileW(LongPath(path).c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) throw LastFailure("Cannot create", path);
    return std::make_unique<Win32NewFile>(path, std::move(file));
}

void Win32Files::RemoveFolder(const std::string& path) {
    if (!FolderExists(path))
        throw RuntimeFailure(kPathFileAccessError, "Cannot remove \"" + path + "\": not a folder");
    if (!RemoveDirectoryW(LongPath(path).c_str())) throw LastFailure("Cannot remove the folder", path);
}

bool Win32Files::FolderExists(const std::string& path) const {
    try {
        const DWORD attributes = GetFileAttributesW(LongPath(path).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
               !(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
    } catch (const RuntimeFailure&) {
        return false;
    }
}

bool ProcessRuns(DWORD process) {
    if (process == 0 || process == GetCurrentProcessId()) return false;
    HANDLE handle = OpenProcess(SYNCHRONIZE, FALSE, process);
    if (handle == nullptr) return false;
    const bool runs = WaitForSingleObject(handle, 0) == WAIT_TIMEOUT;
    CloseHandle(handle);
    return runs;
}

void Win32Files::Copy(const std::string& from, const std::string& to) {
    BY_HANDLE_FILE_INFORMATION source{};
    const Handle in = OpenForReading(from, "Cannot copy", source);
    if (IsSameFile(to, source))
        throw RuntimeFailure(kPathFileAccessError, "Cannot copy \"" + from + "\" onto itself");
    if (NameTaken(to))
        throw RuntimeFailure(kFileAlreadyExists, "Cannot copy to \"" + to + "\": the name is taken");
    const std::uint64_t size = (std::uint64_t(source.nFileSizeHigh) << 32) | source.nFileSizeLow;

    Win32ReplacingFile out(to);
    std::vector<char> buffer(256 * 1024);
    std::uint64_t copied = 0;
    while (true) {
        const std::size_t got = ReadFully(in.Get(), buffer.data(), buffer.size(), from);
        if (got == 0) break;
        out.WriteAll(buffer.data(), got);
        copied += got;
    }
    // Another program writing into the source while it was read leaves a
    // copy that is neither the old file nor the new one.
    BY_HANDLE_FILE_INFORMATION after{};
    if (copied != size || !GetFileInformationByHandle(in.Get(), &after) ||
        after.ftLastWriteTime.dwLowDateTime != source.ftLastWriteTime.dwLowDateTime ||
        after.ftLastWriteTime.dwHighDateTime != source.ftLastWriteTime.dwHighDateTime ||
        after.nFileSizeLow != source.nFileSizeLow || after.nFileSizeHigh != source.nFileSizeHigh) {
        throw RuntimeFailure(kChangedMeanwhile, "\"" + from + "\" changed while it was copied");
    }
    out.Commit(Win32ReplacingFile::Existing::Keep);
}

void Win32Files::Delete(const std::string& path) {
    if (!DeleteFileW(LongPath(path).c_str())) throw LastFailure("Cannot delete", path);
}

void Win32Files::CreateFolder(const std::string& path) {
    if (!CreateDirectoryW(LongPath(path).c_str(), nullptr))
        throw LastFailure("Cannot create the folder", path);
}

bool Win32Files::FileExists(const std::string& path) const {
    try {
        const DWORD attributes = GetFileAttributesW(LongPath(path).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    } catch (const RuntimeFailure&) {
        return false;
    }
}

std::vector<std::string> Win32Files::NamesIn(const std::string& folder) const {
    std::wstring search = LongPath(folder);
    if (search.back() != L'\\') search += L'\\';
    search += L'*';
    std::vector<std::string> names;
    WIN32_FIND_DATAW entry{};
    const HANDLE find =
        FindFirstFileExW(search.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr, 0);
    if (find == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        // An empty drive root has not even "." and "..".
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES) return names;
        throw FailureFromError(error, "Cannot list the folder", folder);
    }
    do {
        const std::wstring_view name = entry.cFileName;
        if (name != L"." && name != L"..") names.push_back(Narrow(name));
    } while (FindNextFileW(find, &entry));
    const DWORD error = GetLastError();
    FindClose(find);
    if (error != ERROR_NO_MORE_FILES) throw FailureFromError(error, "Cannot list the folder", folder);
    return names;
}

bool Win32Files::LookAlike(std::string_view a, std::string_view b) const {
    if (a == b) return true;
    try {
        const std::wstring first = Widen(a), second = Widen(b);
        return CompareStringOrdinal(first.c_str(), static_cast<int>(first.size()), second.c_str(),
                                    static_cast<int>(second.size()), TRUE) == CSTR_EQUAL;
    } catch (const RuntimeFailure&) {
        return false;
    }
}

bool Win32Files::NameTaken(const std::string& path) const {
    try {
        return GetFileAttributesW(LongPath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
    } catch (const RuntimeFailure&) {
        return false;
    }
}

std::string Win32Files::SystemPath(const std::string& path) const {
    const std::wstring full = LongPath(path);
    // A path that names its device is taken as it stands.
    if (path.rfind("\\\\?\\", 0) == 0 || path.rfind("\\\\.\\", 0) == 0) return path;
    if (full.rfind(L"\\\\?\\UNC\\", 0) == 0) return "\\\\" + Narrow(full.substr(8));
    if (full.rfind(L"\\\\?\\", 0) == 0) return Narrow(full.substr(4));
    return Narrow(full);
}

std::string Win32Files::ReadStart(const std::string& path, std::size_t maxBytes) {
    BY_HANDLE_FILE_INFORMATION info{};
    const Handle in = OpenForReading(path, "Cannot read", info);
    const std::uint64_t size = (std::uint64_t(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    std::string bytes(static_cast<std::size_t>(std::min<std::uint64_t>(size, maxBytes)), '\0');
    bytes.resize(ReadFully(in.Get(), bytes.data(), bytes.size(), path));
    if (bytes.starts_with(kUtf8Mark)) {
        bytes.erase(0, kUtf8Mark.size());
        Widen(bytes);  // fails on bytes that are not UTF-8
        return bytes;
    }
    // An editor's UTF-8 without the mark: text of a single-byte code page
    // hardly ever reads as UTF-8 (see WriteWhole for the rare one that does).
    if (IsUtf8(bytes)) return bytes;
    const std::optional<std::wstring> text = FromAnsi(bytes);
    if (!text) {
        throw RuntimeFailure(kPathFileAccessError,
                             "Cannot read \"" + path + "\": not text of this code page");
    }
    return Narrow(*text);
}

void Win32Files::WriteWhole(const std::string& path, const std::string& bytes) {
    const std::optional<std::string> ansi = ToAnsiExactly(Widen(bytes));
    // ANSI bytes that would read as other UTF-8 text get the mark as well.
    const bool ansiReadsBack = ansi && (*ansi == bytes || !IsUtf8(*ansi));
    const std::string text = ansiReadsBack ? *ansi : std::string(kUtf8Mark) + bytes;
    Win32ReplacingFile out(path);
    out.WriteAll(text.data(), text.size());
    out.Commit(Win32ReplacingFile::Existing::Replace);
}

void Win32Files::Move(const std::string& from, const std::string& to) {
    // Without MOVEFILE_REPLACE_EXISTING an existing destination fails the
    // move, and without MOVEFILE_COPY_ALLOWED so does another volume.
    if (!MoveFileExW(LongPath(from).c_str(), LongPath(to).c_str(), MOVEFILE_WRITE_THROUGH)) {
        throw LastFailure("Cannot move", from);
    }
}

FileStamp Win32Files::Stamp(const std::string& path) const {
    Handle file(CreateFileW(LongPath(path).c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                            FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file.Valid() || !GetFileInformationByHandle(file.Get(), &info)) {
        throw LastFailure("Cannot read the state of", path);
    }
    return {info.dwVolumeSerialNumber, (std::uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow,
            (std::uint64_t(info.nFileSizeHigh) << 32) | info.nFileSizeLow,
            static_cast<std::int64_t>((std::uint64_t(info.ftLastWriteTime.dwHighDateTime) << 32) |
                                      info.ftLastWriteTime.dwLowDateTime)};
}

void Win32Files::RemoveTemporaryFiles(const std::string& folder) {
    std::wstring pattern = LongPath(folder);
    if (!pattern.empty() && pattern.back() != L'\\') pattern += L'\\';
    const std::wstring prefix = pattern;
    pattern += L".tessary-*.tmp";
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    std::vector<std::wstring> leftovers;
    do {
        if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) continue;
        // A file that a running program is still writing is not a leftover.
        if (IsTemporaryName(found.cFileName) && !ProcessRuns(TemporaryFileOwner(found.cFileName))) {
            leftovers.push_back(prefix + found.cFileName);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    for (const auto& path : leftovers) DeleteFileW(path.c_str());
}

std::string Win32Files::MoveToTrash(const std::string& path) {
    throw RuntimeFailure(kPathFileAccessError, "No Recycle Bin is available for \"" + path + "\"");
}

}  // namespace tessary
