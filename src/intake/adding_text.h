#pragma once
// The texts of adding dropped maps: the question before anything is written
// and the report after. Lists are kept short enough for a message box.

#include <string>
#include <vector>

#include "intake/intake_plan.h"

namespace tessary {

// A list of names takes one line of about this many characters (at least
// one name); the rest are counted ("and 12 more").
inline constexpr std::size_t kNameLineChars = 64;
// The skipped files shown, one a line; the rest are counted.
inline constexpr std::size_t kSkippedShown = 3;

// Where the maps go, as the player reads it: "the game's maps folder" or
// "\"Stored Maps\"".
std::string AddingPlaceName(bool storedMaps);

// Nothing dropped holds a map to add: what was skipped and why.
std::string NothingToAddText(const std::vector<SkippedItem>& skipped);

// What the player is asked before anything is written.
struct AddingQuestion {
    bool storedMaps = false;
    std::vector<std::string> withPicture;
    std::vector<std::string> withoutPicture;
    // Maps of these names are in the destination and would be replaced.
    std::vector<std::string> replacing;
    // Maps of these names are in the other maps folder.
    std::vector<std::string> inOtherFolder;
    std::vector<SkippedItem> skipped;
};
std::string AddingQuestionText(const AddingQuestion& question);

// How the adding ended.
struct NotAdded {
    std::string map;
    std::string reason;
};
struct AddingReport {
    bool storedMaps = false;
    std::vector<std::string> added;
    std::vector<NotAdded> notAdded;
    // Some files of a failed map could not be put back yet: the next start
    // puts them back.
    bool leftForNextStart = false;
};
std::string AddingReportText(const AddingReport& report);

// A drop while a map is being moved or added: it is not taken.
inline constexpr const char* kAddingWhileMovingText =
    "No map was added: Tessary is busy moving or adding maps.\n\n"
    "Drop the files again once it is done.";

}  // namespace tessary
