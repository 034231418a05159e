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

}  // namespace tessary
