#pragma once
#include <string>

#include "platform/failure.h"

namespace tessary {

// A RuntimeFailure for an errno value, naming what failed and the path.
RuntimeFailure FailureFromErrno(int error, const std::string& what, const std::string& path);

}  // namespace tessary
