#include "front/win32/folder_listing.h"

#include <windows.h>

#include <algorithm>

#include "lists/natural_order.h"
#include "front/win32/long_path.h"
#include "front/win32/wide_text.h"
#include "front/win32/win32_failure.h"

namespace tessary {

namespace {

struct FindCloser {
    HANDLE find;
    ~FindCloser() { FindClose(find); }
};

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

std::vector<std::string> ListMatchingWindowsFiles(const std::string& folder, const FilePattern& pattern) {
    const std::wstring path = LongPath(folder);
    if (!IsFolder(path)) throw FailureFromError(ERROR_PATH_NOT_FOUND, "Cannot list the folder", folder);
    std::wstring search = path;
    if (search.back() != L'\\') search += L'\\';
    search += L'*';
    std::vector<std::string> names;
    WIN32_FIND_DATAW entry{};
    const HANDLE find = FindFirstFileExW(search.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch,
                                         nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        // An empty drive root has not even "." and "..".
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES) return names;
        throw FailureFromError(error, "Cannot list the folder", folder);
    }
    const FindCloser closer{find};
    do {
        if (entry.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) continue;
        std::string name = Narrow(entry.cFileName);
        // Windows compares names without regard to case: "Lake.Gmx" is a map.
        if (pattern.MatchesIgnoringCase(name)) names.push_back(std::move(name));
    } while (FindNextFileW(find, &entry));
    const DWORD error = GetLastError();
    if (error != ERROR_NO_MORE_FILES) throw FailureFromError(error, "Cannot list the folder", folder);
    std::sort(names.begin(), names.end(), NaturalLess);
    return names;
}

}  // namespace tessary
