#pragma once
// A fresh folder under Windows' temporary folder, as a UTF-8 path, removed
// with its contents (long paths and read-only files included) at the end.

#include <windows.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "front/win32/long_path.h"
#include "front/win32/wide_text.h"

namespace tessary::testing {

inline void RemoveTree(const std::wstring& longPath) {
    WIN32_FIND_DATAW entry{};
    const HANDLE find = FindFirstFileW((longPath + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring child = longPath + L"\\" + name;
            SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            const bool link = entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT;
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !link) {
                RemoveTree(child);
            } else if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveDirectoryW(child.c_str());
            } else {
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(longPath.c_str());
}

class WinTempFolder {
public:
    WinTempFolder() {
        wchar_t base[MAX_PATH + 1];
        if (GetTempPathW(MAX_PATH + 1, base) == 0) throw std::runtime_error("no temporary folder");
        static unsigned counter = 0;
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::wstring path = std::wstring(base) + L"tessary-test-" +
                                      std::to_wstring(GetCurrentProcessId()) + L"-" +
                                      std::to_wstring(counter++);
            if (CreateDirectoryW(path.c_str(), nullptr)) {
                path_ = Narrow(path);
                if (!path_.empty() && path_.back() == '\\') path_.pop_back();
                return;
            }
        }
        throw std::runtime_error("cannot make a temporary folder");
    }
    ~WinTempFolder() { RemoveTree(LongPath(path_)); }
    WinTempFolder(const WinTempFolder&) = delete;
    WinTempFolder& operator=(const WinTempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& relative) const { return path_ + "\\" + relative; }

    // Writes a file (its folder must exist) and returns its full path.
    std::string Write(const std::string& relative, const std::string& bytes = "x") const {
        const std::string path = *this / relative;
        WriteBytes(path, bytes);
        return path;
    }

    static void WriteBytes(const std::string& path, const std::string& bytes) {
        const HANDLE file = CreateFileW(LongPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write " + path);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }

    // The whole file, or "<missing>".
    static std::string ReadBytes(const std::string& path) {
        const HANDLE file = CreateFileW(LongPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return "<missing>";
        std::string bytes;
        char chunk[1 << 16];
        DWORD got = 0;
        while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
        CloseHandle(file);
        return bytes;
    }

    // The names directly in a folder, sorted, "." and ".." left out.
    static std::string Listing(const std::string& folder) {
        std::string names;
        WIN32_FIND_DATAW entry{};
        const HANDLE find = FindFirstFileW((LongPath(folder) + L"\\*").c_str(), &entry);
        if (find == INVALID_HANDLE_VALUE) return names;
        std::vector<std::string> all;
        do {
            const std::string name = Narrow(entry.cFileName);
            if (name != "." && name != "..") all.push_back(name);
        } while (FindNextFileW(find, &entry));
        FindClose(find);
        std::sort(all.begin(), all.end());
        for (const auto& name : all) names += name + ";";
        return names;
    }

private:
    std::string path_;
};

}  // namespace tessary::testing
