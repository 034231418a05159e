#include "front/win32/replacing_file.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cwchar>

#include "front/win32/long_path.h"
#include "front/win32/win32_failure.h"

namespace tessary {

namespace {

std::atomic<unsigned> temporaryCounter{0};

// ".tessary-<process>-<counter>-<tick>.tmp"
std::wstring TemporaryName() {
    return L".tessary-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(temporaryCounter.fetch_add(1)) + L"-" + std::to_wstring(GetTickCount()) + L".tmp";
}

}  // namespace

bool IsTemporaryName(const std::wstring& name) {
    const std::wstring prefix = L".tessary-", suffix = L".tmp";
    if (name.size() <= prefix.size() + suffix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
        return false;
    }
    // Three numbers between the dashes.
    int numbers = 0;
    bool inNumber = false;
    for (std::size_t i = prefix.size(); i < name.size() - suffix.size(); ++i) {
        const wchar_t c = name[i];
        if (c >= L'0' && c <= L'9') {
            if (!inNumber) ++numbers;
            inNumber = true;
        } else if (c == L'-' && inNumber) {
            inNumber = false;
        } else {
            return false;
        }
    }
    return numbers == 3 && inNumber;
}

DWORD TemporaryFileOwner(const std::wstring& name) {
    if (!IsTemporaryName(name)) return 0;
    return static_cast<DWORD>(std::wcstoul(name.c_str() + std::wcslen(L".tessary-"), nullptr, 10));
}

Win32ReplacingFile::Win32ReplacingFile(std::string target)
    : target_(std::move(target)), targetLong_(LongPath(target_)) {
    RefuseReadOnlyTarget();
    const std::wstring folder = targetLong_.substr(0, targetLong_.find_last_of(L'\\') + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary_ = folder + TemporaryName();
        file_ = Handle(CreateFileW(temporary_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file_.Valid()) return;
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    const DWORD error = GetLastError();
    temporary_.clear();
    throw FailureFromError(error, "Cannot create a file in", FolderOfWindowsPath(target_));
}

Win32ReplacingFile::~Win32ReplacingFile() {
    if (committed_ || temporary_.empty()) return;
    file_.Close();
    DeleteFileW(temporary_.c_str());
}

void Win32ReplacingFile::RefuseReadOnlyTarget() const {
    // Windows refuses to replace a read-only file; Wine's MoveFileExW does
    // not, so the program asks first.
    const DWORD attributes = GetFileAttributesW(targetLong_.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        throw FailureFromError(ERROR_ACCESS_DENIED, "Cannot replace", target_);
    }
}

void Win32ReplacingFile::WriteAll(const char* data, std::size_t size) {
    while (size > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file_.Get(), data, chunk, &written, nullptr))
            throw LastFailure("Cannot write", target_);
        if (written == 0) throw FailureFromError(ERROR_DISK_FULL, "Cannot write", target_);
        data += written;
        size -= written;
    }
}

void Win32ReplacingFile::Commit(Existing existing) {
    if (!FlushFileBuffers(file_.Get())) throw LastFailure("Cannot write", target_);
    if (!file_.Close()) throw LastFailure("Cannot write", target_);
    if (existing == Existing::Replace) RefuseReadOnlyTarget();
    const DWORD flags = existing == Existing::Replace ? MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH
                                                      : MOVEFILE_WRITE_THROUGH;
    if (!MoveFileExW(temporary_.c_str(), targetLong_.c_str(), flags)) {
        throw LastFailure(existing == Existing::Replace ? "Cannot replace" : "Cannot write", target_);
    }
    committed_ = true;
}

}  // namespace tessary
