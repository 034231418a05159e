#pragma once
// The one running copy on Windows: a named mutex in the user's session holds
// the claim, and a later start brings the running copy's map window to the
// front itself, found by its window class, handing it the files it was
// started with.

#include <windows.h>

#include "platform/running_copy.h"
#include "front/win32/handle.h"

namespace tessary {

class Win32RunningCopy final : public RunningCopy {
public:
    bool Claim() override;
    // Restores the running copy's frame if it is minimised, makes its map
    // window the foreground window and hands it the files (WM_COPYDATA; it
    // adds them as dropped on the game's maps folder).
    bool AskToShowItself(const std::vector<std::string>& files) override;

private:
    // Held for the whole run; the system lets it go when the process ends,
    // however it ends.
    Handle claim_;
};

}  // namespace tessary
