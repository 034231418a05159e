#pragma once
// Staging folders: where added maps are written before the transfer moves
// them in. Each is a hidden folder of this program's own name inside the
// maps folder it fills, so the files are on that folder's disk.

#include <string>

namespace tessary {

class Files;

// Makes a new staging folder in the maps folder and returns its path.
std::string MakeStagingFolder(Files& files, const std::string& mapsFolder);

// True when the file's folder is a staging folder.
bool IsStaged(const std::string& path);

// Removes the staging folder and the files directly in it; what cannot be
// removed stays. A link of its name is left alone, and so is whatever it
// leads to.
void RemoveStagingFolder(Files& files, const std::string& staging);

// Removes every staging folder that an add cut off (a kill, a power cut)
// left in the maps folder.
void RemoveLeftStagingFolders(Files& files, const std::string& mapsFolder);

}  // namespace tessary
