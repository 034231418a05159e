#pragma once
// One copy of the program at a time: what a start does when Tessary already
// runs for the same player.

#include <optional>
#include <string>
#include <vector>

namespace tessary {

class MessageBoxes;
class RunningCopy;

inline constexpr const char* kAlreadyRunningText =
    "Tessary is already running.\n\nPlease use its window, or close it before you start Tessary again.";

// Claims the program for this start. When another copy holds it, that copy
// is asked to bring its map window to the front, or where it cannot be
// reached the player is told that Tessary is already running; this start
// then ends. Returns the exit status it ends with (0 when the running copy
// came forward, 1 after the message), or nothing when this start goes on.
std::optional<int> EndIfAlreadyRunning(RunningCopy& copy, MessageBoxes& messages,
                                       const std::vector<std::string>& files = {});

}  // namespace tessary
