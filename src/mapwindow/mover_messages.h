#pragma once
// The texts of the map window's messages.

#include <string>

#include "platform/failure.h"

namespace tessary {

// A failure while the lists get their folders: "<number>, <description>".
inline std::string LoadFailureText(const RuntimeFailure& failure) {
    return std::to_string(failure.Number()) + ", " + failure.Description();
}

inline std::string MissingGameMapsFolderText(const std::string& folder) {
    return "The game's maps folder cannot be found:\n" + folder +
           "\n\nTessary will look for the game again at the next start.";
}

inline std::string StoredMapsFolderNotCreatedText(const std::string& folder) {
    return "The stored maps folder cannot be created:\n" + folder +
           "\n\nMaps cannot be stored until this folder can be created.";
}

inline std::string StoredMapsFolderNotReadText(const std::string& folder) {
    return "The stored maps folder cannot be read:\n" + folder +
           "\n\nMaps cannot be stored until this folder can be read.";
}

// Why a move did not start.
inline constexpr const char* kSelectionLostReason =
    "The map is no longer highlighted in its list.\nChoose it again, then press the button.";
inline constexpr const char* kNoStoredMapsFolderReason =
    "The \"Stored Maps\" folder could not be made or read,\nso there is nowhere to keep the map.";

// The other folder holds a map under a name the disk takes for this map's.
inline std::string NameTakenByTwinReason(const std::string& twin) {
    return "The other folder holds a map whose name differs only in letter case:\n\"" + twin +
           "\"\nRename one of the two maps, then try again.";
}
// The map's picture would take the place of another map's picture there.
inline std::string PictureOfAnotherMapReason(const std::string& picture, const std::string& owner) {
    return "Its picture would take the place of another map's picture there:\n\"" + picture +
           "\", the picture of \"" + owner + "\"\nRename one of the two maps, then try again.";
}

// Why a move failed, in a player's words.
inline std::string MoveFailureReason(int number) {
    switch (number) {
    case kDiskFull: return "The disk is full.";
    case kPermissionDenied:
        return "A folder or file may not be changed: it is read-only, or it is someone else's.";
    case kFileInUse: return "Another program is using the map or its picture.";
    case kPathNotFound:
    case kFileNotFound: return "A file or folder is missing: another program may have moved it.";
    case kFileAlreadyExists: return "Another program put a file of the same name there meanwhile.";
    case kChangedMeanwhile:
        return "Another program changed the map while it was being moved;\nboth versions were kept.";
    case kPathFileAccessError: return "The file, or its name, cannot be used there.";
    default: return "The disk reported an error.";
    }
}

inline std::string MoveNotStartedText(const std::string& map, bool install, const std::string& reason) {
    return "\"" + map + "\" was not " + (install ? "installed" : "stored") + ".\n\n" + reason +
           "\n\nNothing was moved.";
}

// A move that failed: its map, the reason and whether both folders hold
// what they held.
inline std::string MoveFailedText(const std::string& map, bool install, const RuntimeFailure& failure,
                                  bool everythingBack) {
    return "\"" + map + "\" was not " + (install ? "installed" : "stored") + ".\n\n" +
           MoveFailureReason(failure.Number()) + "\n(" + failure.Description() + ")\n\n" +
           (everythingBack ? "Nothing was lost: the map and its picture are where they were."
                           : "Nothing was lost, but some files could not be put back yet:\n"
                             "Tessary will put them back at its next start.");
}

// A move or an add cut off when Tessary last ran, dealt with at this start.
inline std::string CutOffMoveText(const std::string& map, bool finished, bool complete, bool adding) {
    std::string text =
        "Tessary was stopped while it " + std::string(adding ? "added" : "moved") + " \"" + map + "\".\n\n";
    if (!complete) {
        return text +
               "Not every file could be put in its place yet; nothing was lost,\n"
               "and Tessary will try again at its next start.";
    }
    if (adding) {
        return text + (finished ? "The map has now been added."
                                : "The map was not added; the dropped files are as they were.");
    }
    return text + (finished ? "The move has now been finished."
                            : "The move has been undone: the map is where it was.");
}

}  // namespace tessary
