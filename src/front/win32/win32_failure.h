#pragma once
// Run-time failures from Windows error codes.

#include <windows.h>

#include <string>

#include "platform/failure.h"

namespace tessary {

// A failure numbered after the error: a missing path is kPathNotFound, a
// missing file kFileNotFound, a refused access kPermissionDenied and so on.
// The description is what, the path in quotes and the system's own text.
RuntimeFailure FailureFromError(DWORD error, const std::string& what, const std::string& path);

// The same for GetLastError().
RuntimeFailure LastFailure(const std::string& what, const std::string& path);

}  // namespace tessary
