#include "front/win32/win32_drives.h"

#include <windows.h>

namespace tessary {

std::string Win32Drives::Root(int index) const {
    if (index < 0 || index > 14) return {};
    return std::string(1, static_cast<char>('A' + index)) + ":\\";
}

std::int32_t Win32Drives::DriveType(const std::string& root) {
    return static_cast<std::int32_t>(GetDriveTypeA(root.c_str()));
}

}  // namespace tessary
