#pragma once
// Files opened with Tessary.exe (dropped on it in Explorer, or "Open with"):
// they come as arguments, and a later start hands them to the running copy
// in a WM_COPYDATA message to its map window.

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tessary {

// The WM_COPYDATA tag of a list of opened files.
inline constexpr ULONG_PTR kOpenedFilesTag = 0x54657346;  // "TesF"
// The most a list may hold: more than any command line can (32767 UTF-16
// characters), so only a stranger's message is ever refused for its size.
inline constexpr std::size_t kOpenedFilesMaxBytes = 256 * 1024;
inline constexpr std::size_t kOpenedFilesMaxCount = 16384;

// The arguments after the program's name, as full UTF-8 paths (a relative
// one is taken from the current folder).
std::vector<std::string> OpenedFiles(const wchar_t* commandLine);

// The paths as the running copy receives them: UTF-8, each ended by a zero.
std::string PackOpenedFiles(const std::vector<std::string>& paths);
// The paths back; nothing when the bytes are no such list, or one that is
// empty, too long, or holds an empty path or text that is not UTF-8.
std::optional<std::vector<std::string>> UnpackOpenedFiles(const void* bytes, std::size_t size);

}  // namespace tessary
