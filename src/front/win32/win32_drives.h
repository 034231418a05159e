#pragma once
// The drives A: to O: as Windows reports them (GetDriveTypeA).

#include "platform/drives.h"

namespace tessary {

class Win32Drives : public Drives {
public:
    // "A:\" for 0 to "O:\" for 14; empty outside.
    std::string Root(int index) const override;
    std::int32_t DriveType(const std::string& root) override;
};

}  // namespace tessary
