#include "front/win32/opened_files.h"

#include <shellapi.h>

#include "front/win32/wide_text.h"
#include "platform/failure.h"

namespace tessary {

namespace {

std::string FullPath(const wchar_t* path) {
    const DWORD size = GetFullPathNameW(path, 0, nullptr, nullptr);
    if (size == 0) return Narrow(path);
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(path, size, full.data(), nullptr);
    if (length == 0 || length >= size) return Narrow(path);
    full.resize(length);
    return Narrow(full);
}

}  // namespace

std::vector<std::string> OpenedFiles(const wchar_t* commandLine) {
    std::vector<std::string> files;
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(commandLine, &count);
    if (arguments == nullptr) return files;
    for (int i = 1; i < count; ++i) {
        if (arguments[i][0] != L'\0') files.push_back(FullPath(arguments[i]));
    }
    LocalFree(arguments);
    return files;
}

std::string PackOpenedFiles(const std::vector<std::string>& paths) {
    std::string bytes;
    for (const std::string& path : paths) {
        bytes += path;
        bytes += '\0';
    }
    return bytes;
}

std::optional<std::vector<std::string>> UnpackOpenedFiles(const void* bytes, std::size_t size) {
    if (bytes == nullptr || size == 0 || size > kOpenedFilesMaxBytes) return std::nullopt;
    const std::string_view text(static_cast<const char*>(bytes), size);
    if (text.back() != '\0') return std::nullopt;
    std::vector<std::string> paths;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\0', start);
        if (end == start || paths.size() == kOpenedFilesMaxCount) return std::nullopt;
        std::string path(text.substr(start, end - start));
        try {
            Widen(path);
        } catch (const RuntimeFailure&) {
            return std::nullopt;
        }
        paths.push_back(std::move(path));
        start = end + 1;
    }
    return paths;
}

}  // namespace tessary
