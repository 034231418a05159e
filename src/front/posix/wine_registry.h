#pragma once
// The drive types a Wine prefix records in its registry file system.reg,
// key [Software\\Wine\\Drives], values such as "d:"="cdrom".

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace tessary {

// Drive letter (lower case) -> type value (lower case) from the text of a
// system.reg. Lines that do not parse are passed over; any input is safe.
std::map<char, std::string> ParseWineDriveTypes(std::string_view systemReg);

// The Win32 drive-type code of a drive letter whose folder exists:
// "floppy" 2, "hd" 3, "network" 4, "cdrom" 5, "ramdisk" 6, any other value 3;
// with no value, 2 for a: and b: and 3 for the rest.
std::int32_t WineDriveTypeCode(const std::map<char, std::string>& types, char letter);

}  // namespace tessary
