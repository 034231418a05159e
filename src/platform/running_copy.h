#pragma once
#include <string>
#include <vector>

namespace tessary {

// The one copy of the program that runs for this user on this machine. The
// first start claims the program; a later start finds the claim taken and
// asks the copy that holds it to come forward.
class RunningCopy {
public:
    virtual ~RunningCopy() = default;
    // Claims the program for this copy for as long as it runs, and makes it
    // answer later starts; false when another copy holds the claim. A claim
    // that cannot be checked at all counts as made: the program still starts.
    virtual bool Claim() = 0;
    // Asks the copy that holds the claim to bring its map window to the
    // front, and to take the files (full paths; none for a plain start) as
    // if they were dropped on it; true once it has, false when it could not
    // be reached or has no map window yet. Waits a few seconds at most.
    virtual bool AskToShowItself(const std::vector<std::string>& files) = 0;
};

}  // namespace tessary
