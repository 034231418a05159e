#include "front/posix/wine_drives.h"

#include <sys/stat.h>

#include <exception>

#include "front/posix/posix_files.h"
#include "front/posix/wine_registry.h"

namespace tessary {

namespace {

// Far more than any prefix's system.reg; a larger file is read this far.
constexpr std::size_t kRegistryReadLimit = 64 * 1024 * 1024;

// The letter of a root "<anything>/x:/" (or "x:" without the separator),
// or 0 when the root has no such ending.
char DriveLetter(std::string root) {
    if (!root.empty() && root.back() == '/') root.pop_back();
    if (root.size() < 2 || root.back() != ':') return 0;
    if (root.size() > 2 && root[root.size() - 3] != '/') return 0;
    return root[root.size() - 2];
}

}  // namespace

WineDrives::WineDrives(std::string prefix) : prefix_(std::move(prefix)) {}

std::string WineDrives::Root(int index) const { return prefix_ + "/dosdevices/" + char('a' + index) + ":/"; }

std::int32_t WineDrives::DriveType(const std::string& root) {
    struct stat info {};
    if (::stat(root.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return 1;
    const char letter = DriveLetter(root);
    if (letter == 0) return 0;
    return WineDriveTypeCode(RecordedTypes(), letter);
}

const std::map<char, std::string>& WineDrives::RecordedTypes() {
    if (!recordedTypes_) {
        std::string text;
        try {
            text = PosixFiles().ReadStart(prefix_ + "/system.reg", kRegistryReadLimit);
        } catch (const std::exception&) {
            // No registry: every drive has its default type.
        }
        recordedTypes_ = ParseWineDriveTypes(text);
    }
    return *recordedTypes_;
}

}  // namespace tessary
