#include "front/win32/win32_failure.h"

#include "front/win32/wide_text.h"

namespace tessary {

namespace {

int FailureNumber(DWORD error) {
    switch (error) {
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY: return kPathNotFound;
    case ERROR_FILE_NOT_FOUND: return kFileNotFound;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return kFileInUse;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: return kPermissionDenied;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return kDiskFull;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return kFileAlreadyExists;
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_INVALID_NAME: return kPathFileAccessError;
    default: return kDeviceIOError;
    }
}

std::string SystemText(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length > 0 && buffer != nullptr ? std::wstring(buffer, length) : std::wstring();
    if (buffer != nullptr) LocalFree(buffer);
    while (!text.empty() &&
           (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ' || text.back() == L'.')) {
        text.pop_back();
    }
    if (text.empty()) return "system error " + std::to_string(error);
    return Narrow(text);
}

}  // namespace

RuntimeFailure FailureFromError(DWORD error, const std::string& what, const std::string& path) {
    return RuntimeFailure(FailureNumber(error), what + " \"" + path + "\": " + SystemText(error));
}

RuntimeFailure LastFailure(const std::string& what, const std::string& path) {
    return FailureFromError(GetLastError(), what, path);
}

}  // namespace tessary
