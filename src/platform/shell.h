#pragma once
#include <string>

namespace tessary {

// Opens a web address with the user's associated program. Never blocks for
// long and never shows a message; a failure is a RuntimeFailure.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void Open(const std::string& address, const std::string& workingFolder) = 0;
};

}  // namespace tessary
