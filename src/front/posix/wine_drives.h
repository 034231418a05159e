#pragma once
// The drives A: to O: of a Wine prefix: the links "dosdevices/a:" to
// "dosdevices/o:" and the drive types recorded in the prefix's system.reg.

#include <map>
#include <optional>
#include <string>

#include "platform/drives.h"

namespace tessary {

class WineDrives : public Drives {
public:
    explicit WineDrives(std::string prefix);

    // prefix + "/dosdevices/" + letter + ":/", letters a to o.
    std::string Root(int index) const override;
    // 1 when the root is missing or leads to no folder; otherwise the type
    // system.reg records for its letter (read once, when first needed).
    std::int32_t DriveType(const std::string& root) override;

private:
    const std::map<char, std::string>& RecordedTypes();

    std::string prefix_;
    std::optional<std::map<char, std::string>> recordedTypes_;
};

}  // namespace tessary
