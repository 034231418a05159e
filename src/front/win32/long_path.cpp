#include "front/win32/long_path.h"

#include <windows.h>

#include "platform/failure.h"
#include "front/win32/wide_text.h"

namespace tessary {

namespace {

bool StartsWith(const std::wstring& text, const wchar_t* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

std::wstring LongPath(const std::wstring& path) {
    if (StartsWith(path, L"\\\\?\\") || StartsWith(path, L"\\\\.\\")) return path;
    if (path.empty() || path.find(L'\0') != std::wstring::npos) {
        throw RuntimeFailure(kPathFileAccessError, "Not a path: \"" + Narrow(path) + "\"");
    }
    DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full;
    while (size > 0) {
        full.resize(size);
        const DWORD got = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
        if (got < size) {
            full.resize(got);
            break;
        }
        size = got;
    }
    if (size == 0 || full.empty()) {
        throw RuntimeFailure(kPathFileAccessError, "Not a path: \"" + Narrow(path) + "\"");
    }
    if (StartsWith(full, L"\\\\?\\") || StartsWith(full, L"\\\\.\\")) return full;
    if (StartsWith(full, L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

std::wstring LongPath(const std::string& path) { return LongPath(Widen(path)); }

std::string FolderOfWindowsPath(const std::string& path) {
    const auto separator = path.find_last_of("\\/");
    if (separator == std::string::npos) return ".";
    // "C:\name" keeps its root's separator.
    if (separator == 2 && path.size() > 1 && path[1] == ':') return path.substr(0, 3);
    return path.substr(0, separator);
}

}  // namespace tessary
